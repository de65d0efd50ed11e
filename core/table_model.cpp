#include "table_model.h"

#include "card.h"

namespace blefino {

TableModel::TableModel() {
  for (int i = 1; i <= kHandSlots; ++i) {
    koloda1[i].top = kOpponentRowTop;
    koloda2[i].top = kOpponentRowTop;
    koloda3[i].top = kRestingTop;
    koloda1[i].cursor = koloda2[i].cursor = Cursor::Default;
  }
  konpic[0] = {2880, 3000, false, kNoPicture};
  const int batch_lefts[] = {240, 1440, 2640, 3840};
  for (int i = 1; i <= 4; ++i) konpic[i] = {batch_lefts[i - 1], 3840, false, kNoPicture};

  heappic = {7080, 3960, false, back_picture(1)};
  otboypic = {8520, 3960, false, back_picture(1)};
  Example = {2280, 3000, false, back_picture(1)};
  Image1 = {240, 240, true, kNoPicture};
  Image2 = {10080, 240, true, kNoPicture};
  Chesspiece = {5520, 2640, false, kNoPicture};

  Label1 = {"Блефино", true};
  Conversation1 = {"Hello!!!", true};
  Conversation2 = {"Hello!!!", true};
  Conversation3 = {"", true};
  Labelcpu1 = {"Имя первого противника", true};
  Labelcpu2 = {"Имя второго противника", true};
  koncard = {"Шестерка", false};
  Label_of_heap = {"КУЧА", false};
  in_heap = {"0", false};
  Label_of_otboy = {"ОТБОЙ", false};
  in_otboy = {"0", false};
  myname = {"You name", false};

  Command1 = {"Открыть карты", true, true, Cursor::Default};
  mainbutton = {"Нажмите на кнопку", false, true, Cursor::Default};
  neveru = {"Не верю", true, true, Cursor::Default};
  veru = {"Верю", true, true, Cursor::Default};

  for (int k = 1; k <= 9; ++k) Option1[k] = {std::string(kRankCaptions[k]), k == 1, true};
}

}  // namespace blefino

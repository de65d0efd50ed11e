#include "windows/statistika.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <algorithm>

#include "core/game.h"
#include "core/stored_count.h"
#include "pictures/form1.h"
#include "table/message_box_builder.h"
#include "table/placement.h"
#include "table/text_fit.h"
#include "table/ui_font.h"

namespace blefino::windows {

QString percent_text(double fraction, const QLocale& locale) {
  return locale.toString(fraction * 100.0, 'f', 2) + QLatin1Char('%');
}

namespace {

// A count is shown as stored, unless its number is beyond what a count can
// be: a negative one shows as 0 and a huge one as the largest count, so the
// rows always add up to the games played.
QString shown_count(const std::string& text) {
  const std::int64_t n = stored_count(text);
  const std::size_t first = text.find_first_not_of(" \t");
  const bool negative = first != std::string::npos && text[first] == '-';
  if (n == kMaxCount || (negative && n == 0)) return QString::number(n);
  return QString::fromStdString(text);
}

QLabel* panel_label(QWidget* panel, const QString& name, const QString& text, QRect where) {
  auto* label = new QLabel(text, panel);
  label->setObjectName(name);
  label->setGeometry(where);
  return label;
}

}  // namespace

FrmStatistika::FrmStatistika(Settings& settings, SaveFn save_all, AskFn ask, QWidget* parent,
                             const QLocale& locale)
    : QDialog(parent),
      settings_(settings),
      save_all_(std::move(save_all)),
      ask_(asker(std::move(ask), this)) {
  setObjectName(QStringLiteral("frmStatistika"));
  setWindowFlags(kFixedWindowFlags);
  setWindowTitle(QStringLiteral("Статистика"));
  setModal(true);
  setFixedSize(px(3120), px(2280));
  setFont(fonts::ui_font_pt(8));  // the table of results is laid out for 8-point text
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, QColor(128, 128, 255));
  setPalette(pal);

  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("Picture1"));
  panel->setGeometry(twips(120, 120, 2895, 2055));
  panel->setFrameShape(QFrame::Panel);
  panel->setFrameShadow(QFrame::Sunken);
  panel->setAutoFillBackground(true);
  QPalette ppal = panel->palette();
  ppal.setColor(QPalette::Window, QColor(192, 192, 255));
  ppal.setColor(QPalette::WindowText, Qt::black);
  panel->setPalette(ppal);

  static const char* const kCaptions[] = {"Сыграно игр:", "Выигрыши:", "Проигрыши:", "Ничьи:"};
  for (int i = 0; i < 4; ++i) {
    const int top = 120 + 360 * i;
    captions_[i] =
        panel_label(panel, QStringLiteral("Label1_%1").arg(i), QString::fromUtf8(kCaptions[i]),
                    twips(240, top, 1200, 255));  // up to the numbers: today's fonts run wider
    figures_[i] = panel_label(panel, QStringLiteral("Label2_%1").arg(i), QStringLiteral("100"),
                              twips(1440, top, 495, 255));
  }
  // The shares reach to the end of the rules, not 615 twips: "100,00%" is
  // a little wider than that in any face of Arial's widths.
  for (int i = 5; i <= 7; ++i)
    figures_[i] = panel_label(panel, QStringLiteral("Label2_%1").arg(i), QStringLiteral("100%"),
                              twips(2040, 480 + 360 * (i - 5), 720, 255));

  for (int i = 0; i < 4; ++i) {
    auto* line = new QFrame(panel);
    line->setObjectName(QStringLiteral("Line1_%1").arg(i));
    const int thickness = i == 0 ? 2 : 1;
    line->setGeometry(px(120), px(360 + 360 * i), px(2760) - px(120), thickness);
    line->setStyleSheet(QStringLiteral("background: black;"));
  }

  shape_ = new QLabel(panel);
  shape_->setObjectName(QStringLiteral("shape"));
  shape_->setGeometry(twips(1320, 1560, 375, 375));
  shape_->setScaledContents(true);

  ok_ = new QPushButton(QStringLiteral("OK"), panel);
  ok_->setObjectName(QStringLiteral("Command1"));
  ok_->setGeometry(twips(1800, 1560, 975, 375));
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

  clean_ = new QPushButton(QStringLiteral("Очистить"), this);
  clean_->setObjectName(QStringLiteral("clean"));
  clean_->setGeometry(twips(360, 1680, 975, 375));
  clean_->setAutoDefault(false);
  clean_->raise();  // stands over the panel's corner
  connect(clean_, &QPushButton::clicked, this, &FrmStatistika::clean);

  timer_ = new QTimer(this);
  timer_->setInterval(kGlobeInterval);
  connect(timer_, &QTimer::timeout, this, &FrmStatistika::tick);

  fill(locale);
  widenForCounts(panel);
  globe_frame_ = 1;
  timer_->start();
  ok_->setFocus();
}

void FrmStatistika::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  fonts::fit_texts(*this);
  centre_on_screen(*this);
}

void FrmStatistika::fill(const QLocale& locale) {
  // At most three times the largest count: no overflow.
  const std::int64_t total =
      stored_count(settings_.loss) + stored_count(settings_.win) + stored_count(settings_.draw);
  games_total_ = QString::number(total);
  figures_[0]->setText(games_total_);
  if (total == 0) {
    zero();
    return;
  }
  const double t = static_cast<double>(total);
  const std::string* counts[] = {&settings_.win, &settings_.loss, &settings_.draw};
  for (int i = 0; i < 3; ++i) {
    figures_[1 + i]->setText(shown_count(*counts[i]));
    figures_[5 + i]->setText(percent_text(stored_count(*counts[i]) / t, locale));
  }
}

void FrmStatistika::widenForCounts(QWidget* panel) {
  // A count is never cut: "180234" must not read "18023". What the longest
  // count needs beyond its column pushes the shares, the globe and OK to
  // the right, and the window grows by as much.
  int need = 0;
  for (int i = 0; i < 4; ++i) {
    const QFontMetrics fm = figures_[i]->fontMetrics();
    const QString text = figures_[i]->text();
    need = std::max({need, fm.horizontalAdvance(text), fm.boundingRect(text).width()});
  }
  const int extra = need - figures_[0]->width();
  if (extra <= 0) return;
  for (int i = 0; i < 4; ++i)
    figures_[i]->resize(figures_[i]->width() + extra, figures_[i]->height());
  for (QWidget* w :
       std::initializer_list<QWidget*>{figures_[5], figures_[6], figures_[7], shape_, ok_})
    w->move(w->x() + extra, w->y());
  for (QFrame* line : panel->findChildren<QFrame*>(QRegularExpression(QStringLiteral("^Line1_"))))
    line->resize(line->width() + extra, line->height());
  panel->resize(panel->width() + extra, panel->height());
  setFixedSize(width() + extra, height());
}

void FrmStatistika::zero() {
  for (int i = 0; i < 4; ++i) figures_[i]->setText(QStringLiteral("0"));
  for (int i = 5; i <= 7; ++i) figures_[i]->setText(QStringLiteral("0%"));
}

void FrmStatistika::clean() {
  // Years of results are not thrown away by a stray click or Enter: No is the default.
  if (ask_("Очистить статистику?", kProgramTitle, Icon::Question, Buttons::YesNoDefaultNo) !=
      Answer::Yes)
    return;
  zero();
  // From a string, not a literal: gcc 12 warns falsely (-Wrestrict) about the literal.
  settings_.win = settings_.loss = settings_.draw = std::string("0");
  // Saved now: otherwise the old counts would come back at the next start
  // unless a game ended first.
  if (save_all_) save_all_(settings_);
  ok_->setFocus();
}

void FrmStatistika::tick() {
  if (globe_frame_ > kGlobeFrames) globe_frame_ = 1;
  shape_->setPixmap(form1::globus(globe_frame_, devicePixelRatioF()));
  shown_frame_ = globe_frame_;
  ++globe_frame_;
}

}  // namespace blefino::windows

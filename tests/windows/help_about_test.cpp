#include <QLabel>
#include <QTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <gtest/gtest.h>

#include "about.h"
#include "help.h"

using namespace blefino::windows;

namespace {

// The rules, line by line; a trailing blank is part of a line.
const QStringList kRules = {
    "Карточная игра \"Блефино\"",
    "",
    "Основная цели игры избавиться от своих карт ",
    "Игрок, делающий начальный ход , объявляет какие карты на кону, причем может ",
    "и обмануть ",
    "Другой игрок может угадать дейсвительно ли на кону карты, которые были ",
    "объявлены ",
    "или добавить \"таких же\" карт ",
    "Если все-таки игрок решает угадать карты , то должен сказать \"верю\" или \"не верю\" ",
    "соответственно. ",
    "Если не угадывает, то он забирает все карты.",
    "Если угадывает, что его обманывают, то карты забирает игрок, ходящий на него ",
    "Если угадывает, что там объявленные карты, то они уходят в отбой безвозвратно ",
    "В отгадывание участвуют только карты, которые на кону, но при этом решается судьба карт, "
    "находящихся в куче ",
    "",
    "Требования",
    " ",
    "Разрешение монитора 800X600 ",
    "Манипулятор типа \"Мышь\" ",
    "Цветовая палитра True color (32 бита) ",
    "",
};

}  // namespace

// The text is the lines joined by CR LF, and the window shows the same lines.
TEST(Help, TheRulesLineByLineInTheTextAndInTheWindow) {
  const QStringList lines = help_text().split(QStringLiteral("\r\n"));
  ASSERT_EQ(lines.size(), kRules.size());
  for (int i = 0; i < kRules.size(); ++i) EXPECT_EQ(lines[i], kRules[i]) << "line " << i + 1;

  Help h;
  h.show();
  const QTextDocument* doc = h.textBox()->document();
  ASSERT_EQ(doc->blockCount(), kRules.size());
  for (int i = 0; i < kRules.size(); ++i) EXPECT_EQ(doc->findBlockByNumber(i).text(), kRules[i]) << i + 1;
  QTest::keyClick(&h, Qt::Key_Return);  // OK is the default button
  EXPECT_FALSE(h.isVisible());
}

TEST(About, TheVersionOfThisBuildAndEscapeOrOkCloses) {
  FrmAbout a;
  a.show();
  EXPECT_EQ(a.versionLabel()->text(), QStringLiteral("Version " EXPECTED_VERSION));
  QTest::keyClick(&a, Qt::Key_Escape);
  EXPECT_FALSE(a.isVisible());
  a.show();
  QTest::mouseClick(a.okButton(), Qt::LeftButton);
  EXPECT_FALSE(a.isVisible());
}

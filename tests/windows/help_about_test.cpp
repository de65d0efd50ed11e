#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
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

TEST(Help, TheRulesAreTwentyOneLinesSeparatedByCrLf) {
  const QString& text = help_text();
  EXPECT_TRUE(text.endsWith(QStringLiteral("бита) \r\n")));
  EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral("[^\r]\n"))));
  const QStringList lines = text.split(QStringLiteral("\r\n"));
  ASSERT_EQ(lines.size(), 21);
  for (int i = 0; i < 21; ++i) EXPECT_EQ(lines[i], kRules[i]) << "line " << i + 1;
}

TEST(Help, TheWindowShowsEveryLineAndOkClosesIt) {
  Help h;
  h.show();
  EXPECT_EQ(h.windowTitle(), QStringLiteral("Справка "));
  const QTextDocument* doc = h.textBox()->document();
  ASSERT_EQ(doc->blockCount(), 21);
  for (int i = 0; i < 21; ++i) EXPECT_EQ(doc->findBlockByNumber(i).text(), kRules[i]) << i + 1;
  EXPECT_EQ(h.okButton()->text(), QStringLiteral("OK"));
  QTest::keyClick(&h, Qt::Key_Return);  // the default button
  EXPECT_FALSE(h.isVisible());
  EXPECT_EQ(h.result(), QDialog::Accepted);
}

TEST(About, TitleAndTheVersionOfThisBuild) {
  FrmAbout a;
  a.show();
  EXPECT_EQ(a.windowTitle(), QStringLiteral("О программе"));
  EXPECT_EQ(a.titleLabel()->text(), QStringLiteral("Карточная игра -  \"Блефино\""));
  EXPECT_EQ(a.versionLabel()->text(), QStringLiteral("Version " EXPECTED_VERSION));
  EXPECT_TRUE(QRegularExpression(QStringLiteral("^Version (0|[1-9]\\d*)\\.(0|[1-9]\\d*)\\.(0|[1-9]\\d*)$"))
                  .match(version_line())
                  .hasMatch());
  EXPECT_FALSE(a.findChild<QLabel*>("picIcon")->pixmap().isNull());
  QTest::keyClick(&a, Qt::Key_Escape);  // Esc presses OK as well
  EXPECT_FALSE(a.isVisible());
  a.show();
  QTest::mouseClick(a.okButton(), Qt::LeftButton);
  EXPECT_FALSE(a.isVisible());
}

#pragma once
// The game's one message box: every verdict, question and store message is
// built here, for the table window and for the other windows alike.

#include <QMessageBox>
#include <memory>
#include <string>

#include "core/host.h"

namespace blefino {

// The frame of a message box and of every fixed-size window: a title and a
// close button, no minimise or maximise button.
// Qt passes the hints on to the window manager only with CustomizeWindowHint;
// without it a real window manager draws minimise and maximise all the same.
inline constexpr Qt::WindowFlags kFixedWindowFlags =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
    Qt::WindowCloseButtonHint;

// Width a window needs so that the window manager shows `title` whole: the
// title in the title-bar font, drawn bold as most frames draw it, with room
// for the window icon and the close button on both sides of a centred title.
int title_bar_width(const QString& title);

// The box as the player sees it: exact text (never markup), title, icon,
// Russian Yes/No or OK, the first button the default (No for
// YesNoDefaultNo), application-modal,
// and at least as wide as its title.
std::unique_ptr<QMessageBox> make_message_box(const std::string& text, const std::string& title,
                                              Icon icon, Buttons buttons,
                                              QWidget* parent = nullptr);

// The answer a pressed button stands for; a box closed any other way gives
// the cautious answer: No to a question, OK otherwise.
Answer answer_of(QMessageBox::StandardButton pressed, Buttons buttons);

// Shows the box modally over `parent` and returns the answer.
Answer show_message_box(const std::string& text, const std::string& title, Icon icon,
                        Buttons buttons, QWidget* parent = nullptr);

}  // namespace blefino

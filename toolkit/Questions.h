// The modal questions a form's command may ask its user through the application object:
// a file to open, a file to save a text in, and one of a list or a value typed. Each answer is the text chosen, or
// nothing when the user cancelled.
//
//     const auto path = form.Application->AskOpenPath(
//         {"Нагрузка из файла", "Файлы Touchstone (*.s1p *.s2p)"});
//     if (!path) return; // cancelled: nothing changes
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace tk {

// The open dialog's title, and the files it offers: a name with their patterns in
// parentheses, separated by blanks.
struct TOpenFileQuestion {
    std::string Title;
    std::string Filter; // "Файлы Touchstone (*.s1p *.s2p)"
};

// The save dialog's title, the files it offers (as an open question's), and the name it
// proposes: {"Сохранить цепь", "Цепь (*.chain)", "цепь.chain"}.
struct TSaveFileQuestion {
    std::string Title;
    std::string Filter;
    std::string Name;
};

// A list to choose from, whose field also takes a value typed: the window's title, the
// prompt above the field, the items, and the item the field starts with.
struct TChoiceQuestion {
    std::string Title;
    std::string Prompt;
    std::vector<std::string> Items;
    std::size_t Selected = 0;
};

} // namespace tk

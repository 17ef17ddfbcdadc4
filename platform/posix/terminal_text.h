#pragma once
// Text that came from senders, made safe to print: no control character reaches the terminal.
#include <string>

// UTF-8 with every C0 control character but tab, DEL and every C1 control character (U+0080
// to U+009F, CSI among them) shown as a visible escape, such as \x1B or \u009B.
std::string TerminalSafe(const std::string &utf8);

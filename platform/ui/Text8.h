#pragma once

#include <QString>
#include <string>

// Our text is std::string, byte for byte. At the Qt boundary it is UTF-8,
// except the byte 0xFE - never used by UTF-8 - which stands for the
// right-to-left mark U+200F and is mapped to it and back. Bytes that are
// not UTF-8 otherwise become U+FFFD.
QString ToQString(const std::string &Text);
std::string FromQString(const QString &Text);

#pragma once

// The texts the plain C++ core builds (messages, titles, the transfer's status
// line), shown in the language in use. The English text is the key: each line
// is looked up whole, else sentence by sentence, in a list of templates in
// which %1, %2 ... stand for the values (a port, a number, an MMSI). What is
// not in the list (a path, the system's reason) stays as it came.

#include <QString>

#include <string>
#include <vector>

namespace kv508::ui {

QString CoreText(const std::string &text);
// A UTF-8 text of the core (an MMSI's kind and country): each part between
// middle dots as above.
QString CoreTextUtf8(const std::string &text);
// The same, as the Windows-1252 bytes the Host passes on.
std::string CoreTextBytes(const std::string &text);

// Whether a line of the core's is in the list (whole, or every sentence of it).
bool CoreTextKnown(const std::string &line);
// The list's English templates.
std::vector<QString> CoreTextTemplates();

} // namespace kv508::ui

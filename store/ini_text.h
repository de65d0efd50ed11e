#pragma once
// The text of the settings file: [sections] of key=value lines, written the
// way Qt's INI settings write them, so files from every earlier version read
// as before. The reader is forgiving: a line it cannot make sense of is
// skipped and nothing after it is lost, and section and key names match
// whatever their letter case, as registry names do. It takes time in
// proportion to the text, whatever its shape (many keys, many sections, long
// lines), and reads the files other editors make: a UTF-8 byte order mark
// first, lines ended by LF, CR LF or a lone CR (old Macs).

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace blefino::store {

// One key=value line, in the order of the file.
struct IniEntry {
  std::size_t section;  // in IniDocument::sections
  QByteArray key;
  QByteArray raw;  // the value as it stands in the file, quotes and escapes included
};

// The file as it was read, line by line: a section given twice, or a key, is
// one only when written (the time it takes to read stays proportional to the
// text's length, whatever its shape).
struct IniDocument {
  std::vector<QByteArray> sections;  // every header, in the file's order
  std::vector<IniEntry> entries;
  // The text it was read from, which the names and values read point into
  // rather than each taking a copy.
  QByteArray source;
  // The file's own ways, which a save keeps: its line end and its byte order mark.
  QByteArray line_end = "\n";
  bool byte_order_mark = false;
};

// Sections and keys that differ only in letter case are one; of a key given
// twice the last one counts. Lines before the first section belong to
// [General]. Anything else that is not a section or a key=value line is skipped.
IniDocument parse_ini(const QByteArray& text);

// The file's text: sections in their order, keys sorted, a blank line between
// sections, every line ended the way the document's file ended its first one.
// Sections without keys are left out.
QByteArray ini_text(const IniDocument& document);

bool has_section(const IniDocument& document, const QByteArray& section);
// The raw value of a key, or nothing.
std::optional<QByteArray> find_raw(const IniDocument& document, const QByteArray& section,
                                   const QByteArray& key);
// Sets a key, creating its section at the end if need be; the section and
// key take the spelling given here.
void set_raw(IniDocument& document, const QByteArray& section, const QByteArray& key,
             QByteArray raw);

// A text as a value in the file, and back. The empty list marker
// "@Invalid()" reads as no value; a list (unquoted commas) reads as its
// items joined by ", ".
QByteArray escaped_value(const QString& text);
std::optional<QString> unescaped_value(const QByteArray& raw);

}  // namespace blefino::store

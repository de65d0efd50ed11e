#include "store/ini_text.h"

#include <QHash>
#include <QStringList>
#include <algorithm>

namespace blefino::store {
namespace {

// Names match whatever the letter case of their ASCII letters.
char folded(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

QByteArray folded(QByteArray name) {
  // Most names have no capital to fold: they stay shared, not copied.
  if (std::any_of(name.cbegin(), name.cend(), [](char c) { return c >= 'A' && c <= 'Z'; }))
    for (char& c : name) c = folded(c);
  return name;
}

bool same_name(const QByteArray& a, const QByteArray& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [](char x, char y) { return folded(x) == folded(y); });
}

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

// [begin, end) of the document's source without the blanks at either end.
QByteArray trimmed(const char* begin, const char* end) {
  while (begin < end && is_blank(*begin)) ++begin;
  while (end > begin && is_blank(end[-1])) --end;
  return QByteArray::fromRawData(begin, end - begin);
}

// Adds one line of the file to the document. No line looks at another.
class Reader {
 public:
  // At most as many sections as "[" and keys as "=" in the text: room made
  // for them at once, nothing grows while reading.
  explicit Reader(IniDocument& document) : document_(document) {
    document_.sections.reserve(std::size_t(document.source.count('[')) + 1);  // and [General]
    document_.entries.reserve(std::size_t(document.source.count('=')));
  }

  void line(const char* begin, const char* end) {
    while (begin < end && is_blank(*begin)) ++begin;
    while (end > begin && is_blank(end[-1])) --end;
    if (begin == end || *begin == ';') return;
    if (*begin == '[') {
      // A header missing its "]" still names its section.
      const char* close = end;
      while (close > begin && close[-1] != ']') --close;
      section_ = document_.sections.size();
      document_.sections.push_back(trimmed(begin + 1, close > begin + 1 ? close - 1 : end));
      return;
    }
    const char* equals = std::find(begin, end, '=');
    QByteArray key = trimmed(begin, equals);
    if (equals == end || key.isEmpty()) return;  // not a setting: skipped, the rest still counts
    if (section_ == kNone) {
      section_ = document_.sections.size();
      document_.sections.push_back("General");
    }
    document_.entries.push_back(
        {section_, std::move(key), QByteArray::fromRawData(equals + 1, end - equals - 1)});
  }

 private:
  static constexpr std::size_t kNone = std::size_t(-1);
  IniDocument& document_;
  std::size_t section_ = kNone;
};

// Which of the document's headers name `section`.
std::vector<bool> headers_named(const IniDocument& document, const QByteArray& section) {
  std::vector<bool> named(document.sections.size());
  for (std::size_t i = 0; i < named.size(); ++i)
    named[i] = same_name(document.sections[i], section);
  return named;
}

// The place of the last line that gives `key` in `section`, or nothing.
std::optional<std::size_t> last_entry(const IniDocument& document, const QByteArray& section,
                                      const QByteArray& key) {
  const std::vector<bool> named = headers_named(document, section);
  for (std::size_t i = document.entries.size(); i-- > 0;) {
    const IniEntry& e = document.entries[i];
    if (named[e.section] && same_name(e.key, key)) return i;
  }
  return std::nullopt;
}

bool is_hex_digit(unsigned char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int hex_value(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

int octal_value(char c) { return c >= '0' && c <= '7' ? c - '0' : -1; }

char escape_letter(unsigned char c) {
  switch (c) {
    case '\a':
      return 'a';
    case '\b':
      return 'b';
    case '\f':
      return 'f';
    case '\n':
      return 'n';
    case '\r':
      return 'r';
    case '\t':
      return 't';
    case '\v':
      return 'v';
    default:
      return 0;
  }
}

char escaped_char(char letter) {
  switch (letter) {
    case 'a':
      return '\a';
    case 'b':
      return '\b';
    case 'f':
      return '\f';
    case 'n':
      return '\n';
    case 'r':
      return '\r';
    case 't':
      return '\t';
    case 'v':
      return '\v';
    case '"':
    case '?':
    case '\'':
    case '\\':
      return letter;
    default:
      return 0;
  }
}

}  // namespace

IniDocument parse_ini(const QByteArray& text) {
  IniDocument document;
  document.source = text;  // shared, not copied
  Reader reader(document);
  const char* p = document.source.constData();
  const char* const end = p + text.size();
  static constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";
  if (text.startsWith(kByteOrderMark)) {
    document.byte_order_mark = true;
    p += 3;
  }
  bool line_end_seen = false;
  while (p < end) {
    const char* eol = p;
    while (eol < end && *eol != '\n' && *eol != '\r') ++eol;
    reader.line(p, eol);
    if (eol == end) break;
    const bool crlf = *eol == '\r' && eol + 1 < end && eol[1] == '\n';
    if (!line_end_seen) {
      document.line_end = crlf ? QByteArray("\r\n") : QByteArray(1, *eol);
      line_end_seen = true;
    }
    p = eol + (crlf ? 2 : 1);
  }
  return document;
}

QByteArray ini_text(const IniDocument& document) {
  // Sections given twice are one, in the place of the first; of a key given
  // twice the last one counts, as it is spelt. Qt's hash is seeded afresh each
  // run: no file can be made to collide.
  std::vector<QByteArray> names;                                 // one per section, first spelling
  std::vector<std::size_t> of_header(document.sections.size());  // header: its section
  QHash<QByteArray, std::size_t> by_name;
  for (std::size_t i = 0; i < document.sections.size(); ++i) {
    const QByteArray name = folded(document.sections[i]);
    const auto at = by_name.constFind(name);
    of_header[i] = at != by_name.cend() ? *at : names.size();
    if (at == by_name.cend()) {
      by_name.insert(name, names.size());
      names.push_back(document.sections[i]);
    }
  }
  std::vector<std::pair<std::size_t, const IniEntry*>> lines;  // (section, its line)
  QHash<std::pair<std::size_t, QByteArray>, std::size_t> by_key;
  lines.reserve(document.entries.size());
  by_key.reserve(qsizetype(document.entries.size()));
  for (const IniEntry& e : document.entries) {
    const std::pair<std::size_t, QByteArray> key{of_header[e.section], folded(e.key)};
    if (const auto at = by_key.constFind(key); at != by_key.cend()) {
      lines[*at].second = &e;
    } else {
      by_key.insert(key, lines.size());
      lines.emplace_back(key.first, &e);
    }
  }
  std::sort(lines.begin(), lines.end(), [](const auto& a, const auto& b) {
    return a.first != b.first ? a.first < b.first : a.second->key < b.second->key;
  });

  QByteArray out = document.byte_order_mark ? "\xEF\xBB\xBF" : "";
  out.reserve(document.source.size() + 1024);
  const QByteArray& eol = document.line_end;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto& [section, e] = lines[i];
    if (i == 0 || lines[i - 1].first != section) {
      if (i > 0) out += eol;
      out.append('[').append(names[section]).append(']').append(eol);
    }
    out.append(e->key).append('=').append(e->raw).append(eol);
  }
  return out;
}

bool has_section(const IniDocument& document, const QByteArray& section) {
  return std::any_of(document.sections.begin(), document.sections.end(),
                     [&](const QByteArray& name) { return same_name(name, section); });
}

std::optional<QByteArray> find_raw(const IniDocument& document, const QByteArray& section,
                                   const QByteArray& key) {
  if (const auto i = last_entry(document, section, key)) return document.entries[*i].raw;
  return std::nullopt;
}

void set_raw(IniDocument& document, const QByteArray& section, const QByteArray& key,
             QByteArray raw) {
  std::size_t header = document.sections.size();
  for (std::size_t i = 0; i < document.sections.size(); ++i) {
    if (!same_name(document.sections[i], section)) continue;
    document.sections[i] = section;
    header = i;
  }
  if (header == document.sections.size()) document.sections.push_back(section);
  if (const auto i = last_entry(document, section, key)) {
    document.entries[*i].key = key;
    document.entries[*i].raw = std::move(raw);
  } else {
    document.entries.push_back({header, key, std::move(raw)});
  }
}

QByteArray escaped_value(const QString& text) {
  // A text that starts with "@" gets a second one, so it is never taken for
  // one of the markers such as "@Invalid()".
  const QByteArray utf8 =
      (text.startsWith(QLatin1Char('@')) ? QLatin1Char('@') + text : text).toUtf8();
  QByteArray out;
  bool quotes = false;
  bool digit_needs_escape = false;  // after "\x1" a plain "2" would join the number
  for (const char c : utf8) {
    const auto ch = static_cast<unsigned char>(c);
    if (ch == ';' || ch == ',' || ch == '=') quotes = true;
    if (digit_needs_escape && is_hex_digit(ch)) {
      out += "\\x" + QByteArray::number(ch, 16);
      continue;
    }
    digit_needs_escape = false;
    if (ch == 0) {
      out += "\\0";
      digit_needs_escape = true;
    } else if (const char letter = escape_letter(ch)) {
      out += '\\';
      out += letter;
    } else if (ch == '"' || ch == '\\') {
      out += '\\';
      out += c;
    } else if (ch <= 0x1F) {
      out += "\\x" + QByteArray::number(ch, 16);
      digit_needs_escape = true;
    } else {
      out += c;  // UTF-8 as it is
    }
  }
  if (quotes || out.startsWith(' ') || out.endsWith(' ')) out = '"' + out + '"';
  return out;
}

std::optional<QString> unescaped_value(const QByteArray& raw) {
  QString result;
  QStringList items;
  bool is_list = false, in_quotes = false, quoted = false;
  qsizetype i = 0;
  qsizetype keep = 0;  // trailing blanks before this position were meant
  const qsizetype n = raw.size();
  auto skip_blanks = [&] {
    while (i < n && (raw[i] == ' ' || raw[i] == '\t')) ++i;
  };
  auto chop_blanks = [&] {
    while (result.size() > keep && (result.back() == u' ' || result.back() == u'\t'))
      result.chop(1);
  };

  skip_blanks();
  while (i < n) {
    const char c = raw[i];
    if (c == '\\') {
      if (++i >= n) break;
      const char letter = raw[i++];
      if (const char plain = escaped_char(letter)) {
        result += QLatin1Char(plain);
      } else if (letter == 'x' || octal_value(letter) >= 0) {
        const int base = letter == 'x' ? 16 : 8;
        char16_t code = letter == 'x' ? 0 : static_cast<char16_t>(octal_value(letter));
        bool any = letter != 'x';
        for (int d; i < n && (d = base == 16 ? hex_value(raw[i]) : octal_value(raw[i])) >= 0; ++i) {
          code = static_cast<char16_t>(code * base + d);
          any = true;
        }
        if (any) result += QChar(code);
      }  // any other escaped character is dropped
      keep = result.size();
    } else if (c == '"') {
      ++i;
      quoted = true;
      in_quotes = !in_quotes;
      if (!in_quotes) {
        skip_blanks();
        keep = result.size();
      }
    } else if (c == ',' && !in_quotes) {
      if (!quoted) chop_blanks();
      items << result;
      result.clear();
      is_list = true;
      quoted = false;
      ++i;
      skip_blanks();
      keep = 0;
    } else if (c == ';' && !in_quotes) {
      break;  // a comment follows
    } else {
      qsizetype j = i + 1;
      while (j < n && raw[j] != '\\' && raw[j] != '"' && raw[j] != ',' && raw[j] != ';') ++j;
      result += QString::fromUtf8(raw.mid(i, j - i));
      i = j;
    }
  }
  if (!quoted) chop_blanks();

  if (is_list) return (items << result).join(QStringLiteral(", "));
  if (result == QLatin1String("@Invalid()")) return std::nullopt;
  if (result.startsWith(QLatin1String("@@"))) result.remove(0, 1);
  return result;
}

}  // namespace blefino::store

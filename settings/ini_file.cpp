#include "settings/ini_file.h"

#include "settings/user_files.h"

#include <QDateTime>
#include <QDir>
#include <QList>
#include <QRegularExpression>
#include <QSaveFile>

#include <algorithm>
#include <optional>

namespace {

// One entry of an INI file, split off the way QSettings splits them: a line break ends an entry,
// except inside double quotes or right after a backslash; a ';' outside quotes ends it too, and a
// ';' that starts an entry makes the rest of its line a comment. A backslash never continues a
// comment, and an escaped backslash ("\\") continues nothing.
struct Entry {
    qsizetype start = 0;
    qsizetype end = 0;     // one past its last byte
    qsizetype equals = -1; // its first '=' outside quotes
    bool open = false;     // runs to the end inside quotes or after a backslash: text added
                           // after it would become part of it
};

bool IsBreak(char c)
{
    return c == '\n' || c == '\r';
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || IsBreak(c);
}

// The entry at or after pos; false when none is left. pos moves past it.
bool NextEntry(QByteArrayView data, qsizetype& pos, Entry& entry)
{
    const qsizetype size = data.size();
    entry = {};
    qsizetype start = pos;
    while (start < size && IsBlank(data[start]))
        ++start;
    bool inQuotes = false;
    qsizetype i = start;
    while (i < size) {
        const char c = data[i++];
        if (c == '=') {
            if (!inQuotes && entry.equals < 0)
                entry.equals = i - 1;
        } else if (IsBreak(c)) {
            if (!inQuotes) {
                --i;
                break;
            }
        } else if (c == '\\') {
            if (i == size) {
                entry.open = true;
            } else {
                const char escaped = data[i++];
                // "\r\n" and "\n\r" after a backslash are one line break: a lone one at the
                // end would take the line break added after it, and go on.
                if (i == size && IsBreak(escaped))
                    entry.open = true;
                else if (i < size && IsBreak(escaped) && IsBreak(data[i]) && data[i] != escaped)
                    ++i;
            }
        } else if (c == '"') {
            inQuotes = !inQuotes;
        } else if (c == ';') {
            if (i == start + 1) {
                while (i < size && !IsBreak(data[i]))
                    ++i;
                while (i < size && IsBlank(data[i]))
                    ++i;
                start = i;
            } else if (!inQuotes) {
                --i;
                break;
            }
        }
    }
    entry.open = entry.open || (i == size && inQuotes);
    entry.start = start;
    entry.end = i;
    pos = i;
    return i > start;
}

// A key or section name as QSettings reads it: a backslash is a '/', %XX and %UXXXX are
// characters.
QString UnescapedKey(QByteArrayView key)
{
    QString result;
    for (qsizetype i = 0; i < key.size();) {
        if (key[i] == '\\') {
            result += u'/';
            ++i;
            continue;
        }
        if (key[i] == '%' && i + 1 < key.size()) {
            const qsizetype digits = key[i + 1] == 'U' ? 4 : 2;
            const qsizetype first = i + 1 + (digits == 4 ? 1 : 0);
            bool ok = false;
            const ushort code =
                first + digits <= key.size() ? key.sliced(first, digits).toUShort(&ok, 16) : 0;
            if (ok) {
                result += QChar(code);
                i = first + digits;
                continue;
            }
        }
        result += QLatin1Char(key[i]);
        ++i;
    }
    return result;
}

// The prefix a heading gives the keys below it: none for General, else the section's name and '/'.
QString SectionPrefix(QByteArrayView heading)
{
    qsizetype close = heading.indexOf(']');
    if (close < 0)
        close = heading.size();
    const QByteArrayView name = heading.sliced(1, close - 1).trimmed();
    if (name.compare("general", Qt::CaseInsensitive) == 0)
        return {};
    if (name.compare("%general", Qt::CaseInsensitive) == 0)
        return QString::fromLatin1(name.sliced(1)) + u'/';
    return UnescapedKey(name) + u'/';
}

// Where the line that holds pos ends, past its line break; the size when it has none.
qsizetype AfterLine(QByteArrayView data, qsizetype pos)
{
    while (pos < data.size() && !IsBreak(data[pos]))
        ++pos;
    if (pos < data.size())
        pos += data.sliced(pos).startsWith("\r\n") ? 2 : 1;
    return pos;
}

// The new text of the file: every entry QSettings may read the key from gets the value (when the
// same key is there twice, QSettings reads the last). Unless one is in the section itself, the
// only place a freshly opened QSettings looks, an entry is added right after the section's first
// heading, or both at the end. When the end cannot take an entry (whatever was added there would
// become part of the last value), both go before the first heading; nothing when the file has
// keys above its first heading too.
// With no value, every entry QSettings may read the key from is removed, line and all.
std::optional<QByteArray> WithValue(const QByteArray& old, const QString& section,
                                    const QString& key, const std::optional<QByteArray>& value)
{
    const qsizetype bom = old.startsWith("\xef\xbb\xbf") ? 3 : 0;
    const QByteArrayView data = QByteArrayView(old).sliced(bom);
    const QByteArray eol = data.contains("\r\n") ? "\r\n" : "\n";
    const QString prefix = section + u'/';

    struct Edit {
        qsizetype at;
        qsizetype length;
        QByteArray bytes;
    };
    QList<Edit> edits;
    bool inSection = false;
    qsizetype heading = -1; // where the section's first heading line ends
    bool open = false;
    QString current;             // General
    qsizetype firstHeading = -1; // where the first entry starts when it is a heading
    Entry entry;
    for (qsizetype pos = 0, count = 0; NextEntry(data, pos, entry); ++count) {
        open = entry.open;
        const QByteArrayView text = data.sliced(entry.start, entry.end - entry.start);
        if (count == 0 && text.startsWith('['))
            firstHeading = entry.start;
        if (text.startsWith('[')) {
            current = SectionPrefix(text);
            if (heading < 0 && current == prefix)
                heading = AfterLine(data, entry.end);
            continue;
        }
        const QByteArrayView keyText = text.first(qMax<qsizetype>(entry.equals - entry.start, 0));
        if (entry.equals >= 0 && current + UnescapedKey(keyText.trimmed()) == prefix + key) {
            inSection = inSection || current == prefix;
            if (value)
                edits.append(
                    {entry.start, text.size(), keyText.trimmed().toByteArray() + '=' + *value});
            else
                edits.append({entry.start, AfterLine(data, entry.end) - entry.start, {}});
        }
    }

    if (!inSection && value) {
        const QByteArray line = key.toUtf8() + '=' + *value + eol;
        const bool endsInBreak = !data.isEmpty() && IsBreak(data.back());
        if (heading >= 0 && (heading < data.size() || endsInBreak)) {
            edits.append({heading, 0, line});
        } else if (open && firstHeading >= 0) {
            // Nothing can follow the open end: the section goes before the first one.
            edits.append({firstHeading, 0, '[' + section.toUtf8() + ']' + eol + line + eol});
        } else if (open) {
            return std::nullopt;
        } else if (heading >= 0) {
            edits.append({data.size(), 0, eol + line});
        } else {
            // A blank line between the last section and the new one.
            const QByteArray gap = data.isEmpty() ? QByteArray() : endsInBreak ? eol : eol + eol;
            edits.append({data.size(), 0, gap + '[' + section.toUtf8() + ']' + eol + line});
        }
    }
    // From the last, so that the places of the others stay where they were.
    std::sort(edits.begin(), edits.end(), [](const Edit& a, const Edit& b) { return a.at > b.at; });
    QByteArray text = old;
    for (const Edit& edit : edits)
        text.replace(bom + edit.at, edit.length, edit.bytes);
    return text;
}

// A store cut off between linking its new file and renaming it over the old one (kill -9) leaves
// the new file beside the old one as "<name>.XXXXXX". Such a file is removed once it is a minute
// old, when no store can still be writing it; a link is never followed.
void RemoveLeftoverNewFiles(const QString& path)
{
    const QFileInfo file(path);
    const QRegularExpression leftover(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(file.fileName()) + QStringLiteral("\\.[A-Za-z0-9]{6}")));
    const QDateTime aMinuteAgo = QDateTime::currentDateTimeUtc().addSecs(-60);
    const QFileInfoList entries =
        file.absoluteDir().entryInfoList({file.fileName() + QStringLiteral(".??????")},
                                         QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo& entry : entries) {
        if (leftover.match(entry.fileName()).hasMatch() && entry.lastModified() < aMinuteAgo)
            QFile::remove(entry.filePath());
    }
}

} // namespace

bool SetIniValue(const QString& path, const QString& section, const QString& key,
                 const QString& value)
{
    return SetIniValues(path, section, {{key, value}});
}

bool SetIniValues(const QString& path, const QString& section, const QList<IniChange>& changes)
{
    const SmallFile old = ReadSmallFile(path, kMaxIniFileBytes);
    if (old.state == SmallFile::State::Unusable)
        return false; // what cannot be read cannot be kept
    std::optional<QByteArray> text = old.bytes;
    for (const IniChange& change : changes) {
        text = WithValue(*text, section, change.key,
                         change.value ? std::optional(change.value->toUtf8()) : std::nullopt);
        if (!text)
            return false;
    }

    // QSaveFile writes a new file beside the old one and renames it over the old one on commit.
    // Its buffer is written out by flush(): a failure there is not remembered by commit(), which
    // would put the cut-off file in place, so the flush is checked here.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(*text) != text->size() || !file.flush())
        return false; // not committed: the new file is removed and the old one stays
    RemoveLeftoverNewFiles(path);
    return file.commit();
}

#include "app/ini_file.h"

#include <QByteArrayList>
#include <QFile>
#include <QSaveFile>

#include <optional>

namespace {

// The name of the section a line opens, or nothing when the line opens none.
std::optional<QByteArray> SectionOf(const QByteArray& line)
{
    if (!line.startsWith('['))
        return std::nullopt;
    const qsizetype end = line.indexOf(']');
    return end < 0 ? line.mid(1) : line.mid(1, end - 1);
}

// The new text of the file: the key's line in the section replaced, or added right after the
// section's first heading, or both added at the end.
QByteArray WithValue(const QByteArray& old, const QByteArray& section, const QByteArray& key,
                     const QByteArray& value)
{
    QByteArrayList lines = old.split('\n');
    qsizetype heading = -1;
    bool found = false;
    bool inSection = section == "General";
    bool continued = false; // the line before ends in a backslash: this one is part of its value
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QByteArray& line = lines[i];
        const bool carriageReturn = line.endsWith('\r');
        const QByteArray text = line.trimmed();
        const bool isContinuation = continued;
        continued = text.endsWith('\\');
        if (isContinuation || text.startsWith(';'))
            continue;
        if (const std::optional<QByteArray> name = SectionOf(text)) {
            inSection = *name == section;
            if (inSection && heading < 0)
                heading = i;
            continue;
        }
        const qsizetype equals = text.indexOf('=');
        if (inSection && equals > 0 && text.left(equals).trimmed() == key) {
            line = key + '=' + value + (carriageReturn ? "\r" : "");
            found = true;
        }
    }
    if (found)
        return lines.join('\n');
    if (heading >= 0) {
        lines.insert(heading + 1, key + '=' + value);
        return lines.join('\n');
    }
    QByteArray text = old;
    if (!text.isEmpty() && !text.endsWith('\n'))
        text += '\n';
    if (!text.isEmpty())
        text += '\n';
    return text + '[' + section + "]\n" + key + '=' + value + '\n';
}

} // namespace

bool SetIniValue(const QString& path, const QString& section, const QString& key,
                 const QString& value)
{
    QByteArray old;
    QFile existing(path);
    if (existing.exists()) {
        if (!existing.open(QIODevice::ReadOnly))
            return false; // what cannot be read cannot be kept
        old = existing.readAll();
        if (existing.error() != QFileDevice::NoError)
            return false;
        existing.close();
    }
    const QByteArray text = WithValue(old, section.toUtf8(), key.toUtf8(), value.toUtf8());

    // QSaveFile writes a new file beside the old one and renames it over the old one on commit.
    // Its buffer is written out by flush(): a failure there is not remembered by commit(), which
    // would put the cut-off file in place, so the flush is checked here.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(text) != text.size() || !file.flush())
        return false; // not committed: the new file is removed and the old one stays
    return file.commit();
}

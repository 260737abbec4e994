#include "core/settings_file.h"

#include <unistd.h>
#include <QFile>
#include <QStringList>
#include <cmath>
#include <cstdio>
#include <limits>

#include "core/state.h"

namespace qv {

namespace {

// Sequential field input: fields end at a comma or a line end; a quoted field is the text between
// its quotes.
QStringList ReadFields(const QString& content) {
    QStringList fields;
    const int n = content.size();
    int i = 0;
    while (i < n) {
        while (i < n && content[i] == QLatin1Char(' ')) ++i;
        if (i >= n)
            break;
        QString field;
        if (content[i] == QLatin1Char('"')) {
            ++i;
            while (i < n && content[i] != QLatin1Char('"')) field += content[i++];
            if (i < n)
                ++i;  // closing quote
            while (i < n && content[i] != QLatin1Char(',') && content[i] != QLatin1Char('\r') &&
                   content[i] != QLatin1Char('\n'))
                ++i;
        } else {
            while (i < n && content[i] != QLatin1Char(',') && content[i] != QLatin1Char('\r') &&
                   content[i] != QLatin1Char('\n'))
                field += content[i++];
            field = field.trimmed();
        }
        fields.append(field);
        if (i < n && content[i] == QLatin1Char(',')) {
            ++i;
        } else {
            if (i < n && content[i] == QLatin1Char('\r'))
                ++i;
            if (i < n && content[i] == QLatin1Char('\n'))
                ++i;
        }
    }
    return fields;
}

// The first line as the runtime converts a number to its 16-bit Integer: a fraction rounds to the
// nearest whole number, a half to the even one ("1.5" and "2.5" both read 2); nothing when it is no
// number or does not fit.
bool ToInteger16(const QString& text, int& out) {
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return false;
    const double rounded = std::nearbyint(v);
    if (rounded < std::numeric_limits<qint16>::min() || rounded > std::numeric_limits<qint16>::max())
        return false;
    out = static_cast<int>(rounded);
    return true;
}

void ErrorDefaults() {
    S.SelMaxFiles = 100;
    S.SkipUndoWarning = false;
    S.LastFolder.clear();
}

QString Quoted(const QString& value) {
    return QStringLiteral("\"") + value + QStringLiteral("\"\r\n");
}

}  // namespace

void ReadSettingsFile() {
    S.FileNum = 1;
    QFile file(S.SettingsPath);
    if (!file.open(QIODevice::ReadOnly)) {
        ErrorDefaults();
        return;
    }
    const QString content = QString::fromUtf8(file.readAll());
    file.close();
    QStringList fields = ReadFields(content);
    if (fields.size() < 4) {
        ErrorDefaults();
        return;
    }
    if (fields[0].isEmpty())
        fields[0] = QStringLiteral("100");
    int maxFiles = 0;
    // A negative maximum is as damaged as one that does not fit.
    if (!ToInteger16(fields[0], maxFiles) || maxFiles < 0) {
        ErrorDefaults();
        return;
    }
    S.SelMaxFiles = maxFiles;
    if (fields[1].isEmpty())
        fields[1] = QStringLiteral("0");
    S.HelpAtStart = fields[1] != QLatin1String("0");
    if (fields[2].isEmpty())
        fields[2] = QStringLiteral("0");
    S.SkipUndoWarning = fields[2] != QLatin1String("0");
    S.LastFolder = fields[3];
}

void WriteSettingsFile() {
    S.FileNum = 1;
    QString folder = S.LastFolder;
    // The quoted format cannot hold a quote or a line break: such a folder is not remembered.
    if (folder.contains(QLatin1Char('"')) || folder.contains(QLatin1Char('\r')) ||
        folder.contains(QLatin1Char('\n')))
        folder.clear();
    const QByteArray data =
        (Quoted(QString::number(S.SelMaxFiles)) +
         Quoted(S.HelpAtStart ? QStringLiteral("1") : QStringLiteral("0")) +
         Quoted(S.SkipUndoWarning ? QStringLiteral("1") : QStringLiteral("0")) + Quoted(folder))
            .toUtf8();
    if (S.SettingsPath.isEmpty())
        return;
    const QString temp = S.SettingsPath + QStringLiteral(".new");
    QFile out(temp);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    const bool written = out.write(data) == data.size() && out.flush() && ::fsync(out.handle()) == 0;
    out.close();
    if (!written ||
        std::rename(QFile::encodeName(temp).constData(), QFile::encodeName(S.SettingsPath).constData()) != 0)
        QFile::remove(temp);
}

}  // namespace qv

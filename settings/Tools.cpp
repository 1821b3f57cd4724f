#include "settings/Tools.h"

#include "settings/Big5Codec.h"
#include "settings/IniFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

TSYSRecord TSYS;

namespace {
QString gSettingsFileName = kMakerIni;
bool gTestCentre = false;
bool gDebugMode = false;
QString gExePathOverride;

QString settingsPath() {
    return GetExePath() + gSettingsFileName;
}

// Opens the settings file, creating it empty when it does not exist.
IniFile openSettings() {
    const QString path = settingsPath();
    if (!QFileInfo::exists(path)) {
        QFile f(path);
        if (f.open(QIODevice::WriteOnly)) f.close();
    }
    IniFile ini;
    ini.load(path);
    return ini;
}

bool readInt(const QString& key, std::int32_t& out) {
    const QString text = ReadIniString(QString::fromLatin1(kSettingsSection), key, QString()).trimmed();
    bool ok = false;
    const int v = text.toInt(&ok, 10);
    if (ok) out = v;
    return ok;
}

int base64Value(char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '+') return 62;
    return 63; // "/" and every other character
}
} // namespace

QString SettingsFileName() {
    return gSettingsFileName;
}
bool IsTestCentreEdition() {
    return gTestCentre;
}

void SetExePathOverride(const QString& folder) {
    gExePathOverride = folder;
}

void ResetSettingsState() {
    gSettingsFileName = kMakerIni;
    gTestCentre = false;
    TSYS = TSYSRecord();
}

QString GetExePath() {
    QString dir = gExePathOverride;
    if (dir.isEmpty()) {
        if (QCoreApplication::instance())
            dir = QCoreApplication::applicationDirPath();
        else
            dir = QFileInfo(QStringLiteral("/proc/self/exe"))
                      .canonicalFilePath()
                      .section(QLatin1Char('/'), 0, -2);
    }
    if (!dir.endsWith(QLatin1Char('/'))) dir += QLatin1Char('/');
    return dir;
}

void LoadSettings() {
    const QString dir = GetExePath();
    if (QFileInfo::exists(dir + kTestCentreIni)) {
        gSettingsFileName = kTestCentreIni;
        gTestCentre = true;
    }
    if (QFileInfo::exists(dir + kMakerIni))
        gSettingsFileName = kMakerIni;
    else if (QFileInfo::exists(dir + kPartnerIni))
        gSettingsFileName = kPartnerIni;

    TSYS.Caption1.clear();
    TSYS.Caption2 = QStringLiteral("凱瑪電子股份有限公司");
    TSYS.Caption3 = QStringLiteral("Kelmar Electronic CO., LTD");
    if (gSettingsFileName == kPartnerIni) {
        TSYS.Caption1.clear();
        TSYS.Caption2 = QStringLiteral("台灣諾維股份有限公司 (NVK)");
        TSYS.Caption3 = QStringLiteral("Taiwan Norvik Corporation");
    }

    const QString set = QString::fromLatin1(kSettingsSection);
    openSettings(); // creates the file when it is missing
    TSYS.TRComPort = 1;
    TSYS.MapType = 2;
    TSYS.Timeout = 10;
    readInt(QStringLiteral("TRComPort"), TSYS.TRComPort);
    readInt(QStringLiteral("MapType"), TSYS.MapType);
    readInt(QStringLiteral("TimeoutSecond"), TSYS.Timeout);
    TSYS.APIKey = ReadIniString(set, QStringLiteral("APIKey"), QString());
    if (!TSYS.APIKey.isEmpty())
        TSYS.APIKey = Big5Codec::toUnicode(Base64Decode(Big5Codec::fromUnicode(TSYS.APIKey)));

    if (TSYS.MapType != 1) TSYS.MapType = 2;
    if (TSYS.TRComPort < 1 || TSYS.TRComPort > 8) TSYS.TRComPort = 1;
    if (TSYS.Timeout < 10) TSYS.Timeout = 10;
    if (TSYS.Timeout > 300) TSYS.Timeout = 300;

    WriteIniInteger(set, QStringLiteral("TRComPort"), TSYS.TRComPort);
    WriteIniInteger(set, QStringLiteral("MapType"), TSYS.MapType);
    WriteIniInteger(set, QStringLiteral("TimeoutSecond"), TSYS.Timeout);
    DeleteIniKey(set, QStringLiteral("Caption1"));
    DeleteIniKey(set, QStringLiteral("Caption2"));
    DeleteIniKey(set, QStringLiteral("Caption3"));
}

QString ReadIniString(const QString& Section, const QString& Ident, const QString& Default) {
    const IniFile ini = openSettings();
    const auto v = ini.value(Big5Codec::fromUnicode(Section), Big5Codec::fromUnicode(Ident));
    return v ? Big5Codec::toUnicode(*v) : Default;
}

void WriteIniString(const QString& Section, const QString& Ident, const QString& Value) {
    IniFile ini = openSettings();
    ini.setValue(Big5Codec::fromUnicode(Section), Big5Codec::fromUnicode(Ident),
                 Big5Codec::fromUnicode(Value));
    ini.save(settingsPath());
}

void WriteIniInteger(const QString& Section, const QString& Ident, std::int32_t Value) {
    WriteIniString(Section, Ident, QString::number(Value));
}

void DeleteIniKey(const QString& Section, const QString& Ident) {
    IniFile ini = openSettings();
    if (ini.remove(Big5Codec::fromUnicode(Section), Big5Codec::fromUnicode(Ident))) ini.save(settingsPath());
}

QByteArray Base64Encode(const QByteArray& Data) {
    static constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    QByteArray out;
    out.reserve((Data.size() + 2) / 3 * 4);
    const auto* p = reinterpret_cast<const unsigned char*>(Data.constData());
    qsizetype i = 0;
    for (; i + 3 <= Data.size(); i += 3) {
        const unsigned v = (p[i] << 16) | (p[i + 1] << 8) | p[i + 2];
        out += kAlphabet[(v >> 18) & 63];
        out += kAlphabet[(v >> 12) & 63];
        out += kAlphabet[(v >> 6) & 63];
        out += kAlphabet[v & 63];
    }
    const qsizetype rest = Data.size() - i;
    if (rest == 1) {
        const unsigned v = p[i] << 16;
        out += kAlphabet[(v >> 18) & 63];
        out += kAlphabet[(v >> 12) & 63];
        out += "==";
    } else if (rest == 2) {
        const unsigned v = (p[i] << 16) | (p[i + 1] << 8);
        out += kAlphabet[(v >> 18) & 63];
        out += kAlphabet[(v >> 12) & 63];
        out += kAlphabet[(v >> 6) & 63];
        out += '=';
    }
    return out;
}

QByteArray Base64Decode(const QByteArray& Text) {
    if (Text.size() % 4 != 0) return {};
    QByteArray out;
    out.reserve(Text.size() / 4 * 3);
    for (qsizetype g = 0; g < Text.size(); g += 4) {
        const unsigned v = (base64Value(Text[g]) << 18) | (base64Value(Text[g + 1]) << 12) |
                           (base64Value(Text[g + 2]) << 6) | base64Value(Text[g + 3]);
        const char b0 = static_cast<char>((v >> 16) & 0xFF);
        const char b1 = static_cast<char>((v >> 8) & 0xFF);
        const char b2 = static_cast<char>(v & 0xFF);
        const bool last = g + 4 == Text.size();
        if (last && Text[g + 2] == '=') {
            out += b0;
        } else if (last && Text[g + 3] == '=') {
            out += b0;
            out += b1;
        } else {
            out += b0;
            out += b1;
            out += b2;
        }
    }
    return out;
}

DateTimeValue UnixSecondsToDateTime(std::uint32_t Seconds) {
    return DateTimeValue::fromMilliseconds(
        (static_cast<std::int64_t>(Seconds) + DateTimeValue::kUnixEpochDays * 86400) *
        DateTimeValue::kMsPerSecond);
}

bool DetectDebugMode() {
    const QString dir = GetExePath();
    gDebugMode = QFileInfo::exists(dir + QStringLiteral("Debug.Txt")) ||
                 QFileInfo::exists(dir + QStringLiteral("Debug"));
    return gDebugMode;
}
bool IsDebugMode() {
    return gDebugMode;
}
void SetDebugMode(bool on) {
    gDebugMode = on;
}

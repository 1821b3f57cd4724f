#pragma once
// Settings store and common helpers: the settings file and the edition it
// selects, the program folder, INI access, base64 and Unix seconds.
#include "settings/DateTimeValue.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

struct TSYSRecord {
    std::int32_t TRComPort = 1; // serial port number, 1 to 8
    std::int32_t MapType = 2;   // 1 Google Maps, 2 OpenStreetMap
    QString APIKey;             // Google Maps API key in clear
    std::int32_t Timeout = 10;  // receive time-out of the recorder link, seconds (10..300)
    QString Caption1;           // company lines of the edition
    QString Caption2;
    QString Caption3;
};

// The process-wide settings record.
extern TSYSRecord TSYS;

inline constexpr const char* kSettingsSection = "SET";
inline const QString kMakerIni = QStringLiteral("Rovan-ZuvuDuvoreru.ini");
inline const QString kPartnerIni = QStringLiteral("NVK.ini");
inline const QString kTestCentreIni = QStringLiteral("VEXO.ini");

// The settings file name without folder ("Rovan-ZuvuDuvoreru.ini" until chosen).
QString SettingsFileName();
// True in the test-centre edition.
bool IsTestCentreEdition();

// Chooses the settings file and the edition, reads, normalises and writes back.
void LoadSettings();

// The folder of the program's executable, always ending with "/".
QString GetExePath();
// Points the program folder elsewhere (tests, tools); empty restores the default.
void SetExePathOverride(const QString& folder);
// Resets the settings file choice, edition flag and TSYS to their initial state.
void ResetSettingsState();

QString ReadIniString(const QString& Section, const QString& Ident, const QString& Default);
void WriteIniString(const QString& Section, const QString& Ident, const QString& Value);
void WriteIniInteger(const QString& Section, const QString& Ident, std::int32_t Value);
void DeleteIniKey(const QString& Section, const QString& Ident);

QByteArray Base64Encode(const QByteArray& Data);
QByteArray Base64Decode(const QByteArray& Text);

// Seconds / 86400 + 25569 days; no time-zone shift.
DateTimeValue UnixSecondsToDateTime(std::uint32_t Seconds);

// Debug mode: "Debug.Txt" or "Debug" in the program folder (decided once at start-up).
bool DetectDebugMode();
bool IsDebugMode();
void SetDebugMode(bool on);

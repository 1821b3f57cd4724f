#pragma once
// What a second start of the program tells the copy that is already running:
// raise your window, and open this file if one was given. The request travels
// over a local socket whose name belongs to the user and the program folder.
#include <QByteArray>
#include <QString>

// The longest file path a request may carry, in bytes of UTF-8.
inline constexpr int kMaxRequestPathBytes = 64 * 1024;
// The running copy's one-byte answer once it has taken a request.
inline constexpr char kRequestTaken = 'K';

// "TRKRQ1", a 32-bit big-endian length, then the path in UTF-8 (empty: raise only).
QByteArray EncodeInstanceRequest(const QString& file);

enum class RequestState { Incomplete, Invalid, Complete };
// Reads a request from the bytes received so far; file is set when Complete.
RequestState DecodeInstanceRequest(const QByteArray& received, QString& file);

// The local socket name of the copy of the program in this folder run by this user.
QString InstanceKeyFor(const QString& programFolder);

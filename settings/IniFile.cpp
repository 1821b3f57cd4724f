#include "settings/IniFile.h"

#include <QFile>
#include <QSaveFile>

namespace {
bool sameName(QByteArrayView a, QByteArrayView b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}
} // namespace

bool IniFile::load(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        setText({});
        return false;
    }
    setText(f.readAll());
    return true;
}

void IniFile::setText(const QByteArray& bytes) {
    mLines.clear();
    mEol = bytes.contains('\n') && !bytes.contains("\r\n") ? QByteArray("\n") : QByteArray("\r\n");
    mTrailingEol = bytes.isEmpty() || bytes.endsWith('\n');
    if (bytes.isEmpty()) return;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype nl = bytes.indexOf('\n', start);
        if (nl < 0) nl = bytes.size();
        QByteArray line = bytes.mid(start, nl - start);
        if (line.endsWith('\r')) line.chop(1);
        mLines.append(line);
        start = nl + 1;
    }
}

QByteArray IniFile::text() const {
    QByteArray out;
    for (qsizetype i = 0; i < mLines.size(); ++i) {
        out += mLines[i];
        if (i + 1 < mLines.size() || mTrailingEol) out += mEol;
    }
    return out;
}

bool IniFile::save(const QString& path) const {
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly)) return false;
    const QByteArray bytes = text();
    if (f.write(bytes) != bytes.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

std::optional<QByteArray> IniFile::sectionName(const QByteArray& raw) {
    const QByteArray t = raw.trimmed();
    if (t.size() < 2 || t.front() != '[') return std::nullopt;
    const qsizetype close = t.indexOf(']');
    if (close < 0) return std::nullopt;
    return t.mid(1, close - 1).trimmed();
}

std::optional<std::pair<QByteArray, QByteArray>> IniFile::keyValue(const QByteArray& raw) {
    const QByteArray t = raw.trimmed();
    if (t.isEmpty() || t.front() == ';' || t.front() == '#' || t.front() == '[') return std::nullopt;
    const qsizetype eq = t.indexOf('=');
    if (eq <= 0) return std::nullopt;
    return std::make_pair(t.left(eq).trimmed(), t.mid(eq + 1).trimmed());
}

std::pair<qsizetype, qsizetype> IniFile::findSection(QByteArrayView section) const {
    for (qsizetype i = 0; i < mLines.size(); ++i) {
        const auto name = sectionName(mLines[i]);
        if (!name || !sameName(*name, section)) continue;
        qsizetype end = i + 1;
        while (end < mLines.size() && !sectionName(mLines[end]))
            ++end;
        return {i + 1, end};
    }
    return {-1, -1};
}

std::optional<QByteArray> IniFile::value(QByteArrayView section, QByteArrayView key) const {
    const auto [begin, end] = findSection(section);
    if (begin < 0) return std::nullopt;
    for (qsizetype i = begin; i < end; ++i) {
        const auto kv = keyValue(mLines[i]);
        if (kv && sameName(kv->first, key)) return kv->second;
    }
    return std::nullopt;
}

void IniFile::setValue(QByteArrayView section, QByteArrayView key, QByteArrayView value) {
    QByteArray line = key.toByteArray() + '=' + value.toByteArray();
    auto [begin, end] = findSection(section);
    if (begin < 0) {
        if (!mLines.isEmpty() && !mLines.back().trimmed().isEmpty()) mLines.append(QByteArray());
        mLines.append('[' + section.toByteArray() + ']');
        mLines.append(line);
        mTrailingEol = true;
        return;
    }
    for (qsizetype i = begin; i < end; ++i) {
        const auto kv = keyValue(mLines[i]);
        if (kv && sameName(kv->first, key)) {
            mLines[i] = kv->first + '=' + value.toByteArray();
            return;
        }
    }
    // Append after the section's last non-blank line.
    qsizetype at = end;
    while (at > begin && mLines[at - 1].trimmed().isEmpty())
        --at;
    mLines.insert(at, line);
    if (at == mLines.size() - 1) mTrailingEol = true;
}

bool IniFile::remove(QByteArrayView section, QByteArrayView key) {
    auto [begin, end] = findSection(section);
    if (begin < 0) return false;
    bool removed = false;
    for (qsizetype i = end - 1; i >= begin; --i) {
        const auto kv = keyValue(mLines[i]);
        if (kv && sameName(kv->first, key)) {
            mLines.removeAt(i);
            removed = true;
        }
    }
    return removed;
}

// What a second start of the program sends to the running copy.
#include "shell/InstanceRequest.h"

#include <gtest/gtest.h>

namespace {
TEST(InstanceRequest, CarriesAnyPathWhole) {
    for (const QString& path : {QString(), QStringLiteral("/tmp/a b/'x\" $HOME; `id`\n記錄下載區/D1.VDR")}) {
        const QByteArray message = EncodeInstanceRequest(path);
        QString decoded = QStringLiteral("unset");
        ASSERT_EQ(DecodeInstanceRequest(message, decoded), RequestState::Complete);
        EXPECT_EQ(decoded, path);
        // Every shorter prefix is still incomplete: the request is read as it arrives.
        for (qsizetype n = 0; n < message.size(); ++n) {
            QString part;
            EXPECT_EQ(DecodeInstanceRequest(message.left(n), part), RequestState::Incomplete) << n;
        }
    }
}

TEST(InstanceRequest, RefusesWhatIsNotARequest) {
    const QByteArray good = EncodeInstanceRequest(QStringLiteral("/x.vdr"));
    QByteArray tooLong = EncodeInstanceRequest(QString());
    tooLong[9] = 0x7F; // length 0x7F000000... (beyond the longest path)
    tooLong[6] = 0x7F;
    const QByteArray cases[] = {QByteArray("GET / HTTP/1.0\r\n"), good + 'x', tooLong, QByteArray("TRKRQ2")};
    for (const QByteArray& bytes : cases) {
        QString file;
        EXPECT_EQ(DecodeInstanceRequest(bytes, file), RequestState::Invalid) << bytes.toHex().constData();
    }
}

TEST(InstanceRequest, KeyBelongsToTheProgramFolder) {
    EXPECT_EQ(InstanceKeyFor(QStringLiteral("/opt/a/")), InstanceKeyFor(QStringLiteral("/opt/a/")));
    EXPECT_NE(InstanceKeyFor(QStringLiteral("/opt/a/")), InstanceKeyFor(QStringLiteral("/opt/b/")));
    EXPECT_TRUE(InstanceKeyFor(QStringLiteral("/opt/a/")).startsWith(QStringLiteral("TRKelmar-")));
}
} // namespace

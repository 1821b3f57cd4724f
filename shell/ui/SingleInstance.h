#pragma once
// One running copy of the program per user and program folder. A start first
// tries to hand its request (raise, and the file to open) to a running copy over
// a local socket; when there is none it becomes the copy that later starts reach.
#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

class SingleInstance : public QObject {
    Q_OBJECT
  public:
    enum class Role {
        Primary,    // no copy was running; this one now takes requests
        HandedOver, // a running copy has the request; this start ends
        Alone,      // no copy reached and no socket of its own: runs unreachable
    };

    explicit SingleInstance(const QString& key, QObject* parent = nullptr);
    ~SingleInstance() override;

    // file: the absolute path to open, or empty to only raise the running copy.
    Role Start(const QString& file, int timeoutMs = 3000);
    const QString& key() const { return mKey; }

  signals:
    // A later start asked to be raised, and to open the file when not empty.
    void Requested(const QString& file);

  private:
    bool HandOver(const QString& file, int timeoutMs);
    void TakeConnection();
    void Read(QLocalSocket* socket);

    QString mKey;
    QLocalServer* mServer = nullptr;
};

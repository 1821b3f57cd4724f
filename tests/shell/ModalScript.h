#pragma once
// Drives modal windows in window tests: a list of steps, each waiting for a
// modal window of a kind to be the active one and then acting on it. Each
// action runs from the event loop, so an action that opens a further modal
// window does not hold up the next step. A window that no step expects within
// the guard time is closed, so that a test fails instead of hanging.
#include <QApplication>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <vector>

class ModalScript : public QObject {
  public:
    explicit ModalScript(int guardMs = 30000);
    ~ModalScript() override;

    // Waits for a modal W (and for accept(W*) when given), then runs action on it.
    template <class W> ModalScript& on(std::function<void(W*)> action, std::function<bool(W*)> accept = {}) {
        mSteps.push_back({[accept](QWidget* w) {
                              auto* typed = qobject_cast<W*>(w);
                              return typed && (!accept || accept(typed));
                          },
                          [action](QWidget* w) { action(qobject_cast<W*>(w)); }});
        return *this;
    }
    // Convenience: a message box; its text and kind go to messages(), then the button is clicked.
    ModalScript& answer(QMessageBox::StandardButton button);

    void start();
    // All steps have been taken.
    bool done() const { return mNext == mSteps.size(); }
    // Steps taken so far.
    std::size_t taken() const { return mNext; }
    // Modal windows that no step expected and that the guard closed.
    const QStringList& unexpected() const { return mUnexpected; }
    // Texts of the message boxes that answer() handled, with their icon as "error:",
    // "warning:", "information:" or "question:" first.
    const QStringList& messages() const { return mMessages; }

  private:
    struct Step {
        std::function<bool(QWidget*)> matches;
        std::function<void(QWidget*)> act;
    };
    void poll();

    std::vector<Step> mSteps;
    std::size_t mNext = 0;
    QTimer mTimer;
    int mGuardMs;
    int mIdleMs = 0;
    QStringList mUnexpected;
    QStringList mMessages;
};

// The message box's kind and text as messages() lists them.
QString DescribeMessageBox(const QMessageBox* box);

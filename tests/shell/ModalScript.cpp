#include "ModalScript.h"

#include <QAbstractButton>

namespace {
constexpr int kPollMs = 10;
}

ModalScript::ModalScript(int guardMs) : mGuardMs(guardMs) {
    mTimer.setInterval(kPollMs);
    connect(&mTimer, &QTimer::timeout, this, &ModalScript::poll);
}

ModalScript::~ModalScript() = default;

ModalScript& ModalScript::answer(QMessageBox::StandardButton button) {
    return on<QMessageBox>([this, button](QMessageBox* box) {
        mMessages << DescribeMessageBox(box);
        if (QAbstractButton* b = box->button(button))
            b->click();
        else
            box->close();
    });
}

void ModalScript::start() {
    mTimer.start();
}

void ModalScript::poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && !modal->isVisible()) modal = nullptr;
    if (!modal) {
        mIdleMs = 0;
        return;
    }
    if (mNext < mSteps.size() && mSteps[mNext].matches(modal)) {
        mIdleMs = 0;
        auto act = mSteps[mNext].act;
        ++mNext;
        QPointer<QWidget> target(modal);
        QTimer::singleShot(0, modal, [act, target] {
            if (target) act(target);
        });
        return;
    }
    mIdleMs += kPollMs;
    if (mIdleMs >= mGuardMs) {
        mIdleMs = 0;
        auto* box = qobject_cast<QMessageBox*>(modal);
        mUnexpected << (box ? DescribeMessageBox(box) : modal->objectName());
        modal->close();
    }
}

QString DescribeMessageBox(const QMessageBox* box) {
    const char* kind = "question:";
    switch (box->icon()) {
    case QMessageBox::Critical:
        kind = "error:";
        break;
    case QMessageBox::Warning:
        kind = "warning:";
        break;
    case QMessageBox::Information:
        kind = "information:";
        break;
    default:
        break;
    }
    return QString::fromLatin1(kind) + box->text();
}

#pragma once
// The small progress window of the analysis window's loading run.
#include <QDialog>

class QProgressBar;

class TfAnalyseProgress : public QDialog {
    Q_OBJECT
public:
    explicit TfAnalyseProgress(QWidget* parent = nullptr);
    void SetCaption(const QString& caption);
    int Position() const;
    void SetPosition(int position);

private:
    QProgressBar* ProgressBar1 = nullptr;
};

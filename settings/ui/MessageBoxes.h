#pragma once
// The three modal message boxes with a single OK button, and the Yes/No question.
#include <QString>

class QWidget;

void ShowError(const QString& Msg);
void ShowWarning(const QString& Msg);
void ShowInformation(const QString& Msg);
// A question of the information kind; true for Yes.
bool AskQuestion(const QString& Msg);

#pragma once

#include <functional>
#include <string>

enum class TMessageKind { Information, Confirmation };

// Shows Text and returns the answer: true for Yes (an information message
// returns true as well). Text is our 8-bit text, see Text8.h.
using TMessageHandler = std::function<bool(TMessageKind Kind, const std::string &Text)>;

// Installs Handler for every message and returns the one it replaces. An
// empty handler restores the default, which shows a QMessageBox.
TMessageHandler SetMessageHandler(TMessageHandler Handler);

// A simple message box with an OK button.
void ShowMessage(const std::string &Text);

// A confirmation box with Yes and No buttons. Only No declines: true means
// go ahead.
bool MessageDlgYesNo(const std::string &Text);

// For tests: a user interface that answers the save dialog with a set path
// and records every dialog and message box the export shows.
#pragma once
#include <string>
#include <vector>

#include "UserInterface.h"

class FakeUi : public UserInterface {
public:
    FakeUi() = default;
    explicit FakeUi(std::string answer) : savePath(std::move(answer)) {}

    std::string savePath;                // what the save dialog answers ("" is a cancel)
    std::vector<std::string> dialogs;    // "title|filter" of every save dialog shown
    std::vector<std::string> messages;   // "title: text" of every message box shown

    Text AskSavePath(const char* title, const char* filter) override {
        dialogs.push_back(std::string(title) + "|" + filter);
        return Text(savePath.c_str());
    }
    void ShowMessage(const char* title, const char* text) override {
        messages.push_back(std::string(title) + ": " + text);
    }
};

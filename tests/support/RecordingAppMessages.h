// The desktop program's boxes recorded instead of shown: the document's boxes and the question
// whether to save a modified document, answered as the test says.
#pragma once

#include "RecordingMessages.h"
#include "app/QtMessageSink.h"

class CRecordingAppMessages : public CMessageRecorder<IAppMessages> {
public:
    SaveAnswer AskSave(const std::wstring& text) override {
        saveQuestions.push_back(text);
        return saveAnswer;
    }

    std::vector<std::wstring> saveQuestions;
    SaveAnswer saveAnswer = SaveAnswer::Discard;
};

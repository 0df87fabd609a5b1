// A desktop without a display: answers from queues, records what was shown.
#include "platform/scripted/ScriptedDesktop.h"

#include "platform/vcl/Forms.h"

void ScriptedDesktop::ShowMessage(const AnsiString& caption, const AnsiString& text) {
    MessageCaptions.push_back(caption);
    Messages.push_back(text);
}

bool ScriptedDesktop::InputQuery(const AnsiString& caption, const AnsiString& prompt, AnsiString& value) {
    Inputs.push_back({caption, prompt, value});
    if (inputAnswers_.empty()) {
        Unexpected.push_back("input: " + prompt);
        return false;
    }
    std::optional<AnsiString> answer = std::move(inputAnswers_.front());
    inputAnswers_.pop_front();
    if (!answer) return false;
    value = *answer;
    return true;
}

// Unqueued, a question is a script error and is answered with its default, No.
bool ScriptedDesktop::AskYesNo(const AnsiString& caption, const AnsiString& question) {
    (void)caption;
    Questions.push_back(question);
    if (yesNoAnswers_.empty()) {
        Unexpected.push_back("question: " + question);
        return false;
    }
    bool yes = yesNoAnswers_.front();
    yesNoAnswers_.pop_front();
    return yes;
}

void ScriptedDesktop::ShowForm(TForm* form) { (void)form; }
void ScriptedDesktop::HideForm(TForm* form) { (void)form; }

int ScriptedDesktop::ShowModal(TForm* form) {
    ModalForms.push_back(form->ClassName());
    form->Activate();
    int result = mrCancel;
    if (modalAnswers_.empty()) {
        Unexpected.push_back("modal: " + form->ClassName());
    } else {
        auto answer = std::move(modalAnswers_.front());
        modalAnswers_.pop_front();
        result = answer(form);
    }
    form->SetModalResult(result);
    return result;
}

void ScriptedDesktop::RunMessageLoop(TForm* mainForm) {
    if (mainForm && !mainForm->Visible()) mainForm->Show();
}

void ScriptedDesktop::PrintLines(const AnsiString& title, const TFont& font, const std::vector<AnsiString>& lines) {
    if (!PrinterAvailable) throw EPrinter("There is no default printer");
    PrintJobs.push_back({title, font.Name(), font.Height(), lines});
}

bool ScriptedDesktop::ShellExecute(const AnsiString& program, const AnsiString& parameters) {
    ShellCalls.emplace_back(program, parameters);
    return ShellSucceeds;
}

bool ScriptedDesktop::ShowHelpFile(const AnsiString& path) {
    HelpShown.push_back(path);
    return true;
}

#include "support/FakePlatform.h"

namespace stapelwerk::testing {

std::string FakePlatform::readSetting(const std::string& application, const std::string& section,
                                      const std::string& key, const std::string& fallback) {
    const auto found = settings.find({application, section, key});
    return found != settings.end() ? found->second : fallback;
}

void FakePlatform::writeSetting(const std::string& application, const std::string& section,
                                const std::string& key, const std::string& value) {
    settings[{application, section, key}] = value;
}

bool FakePlatform::ask(const std::string& question) {
    const bool answer = questions.size() < answers.size() ? answers[questions.size()] : false;
    questions.push_back(question);
    return answer;
}

std::string FakePlatform::chooseFileToOpen(const std::string& title) {
    const std::size_t turn = fileChoices.size();
    fileChoices.push_back(title);
    return turn < filesChosen.size() ? filesChosen[turn] : std::string();
}

std::string FakePlatform::chooseFileIn(const FileQuestion& question) {
    fileQuestions.push_back(question);
    return chooseFileToOpen(question.title);
}

bool FakePlatform::shellOpen(const std::string& pathOrAddress) {
    shellOpened.push_back(pathOrAddress);
    return shellOpenSucceeds;
}

}  // namespace stapelwerk::testing

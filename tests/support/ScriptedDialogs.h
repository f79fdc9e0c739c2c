#pragma once

// Doubles of the question-and-message interfaces that the decomposition and
// synthesis steps talk to the student through.

#include <deque>
#include <string>
#include <vector>

#include "Decomposition.h"
#include "Synthesis.h"

// Answers questions from a queue (an unanswered question is declined) and
// records every text shown.
struct ScriptedDecompositionDialog final : DecompositionDialog {
  std::deque<bool> answers;
  std::vector<std::string> shown;

  void Inform(const std::string& text) override { shown.push_back(text); }
  bool AskOkCancel(const std::string& text) override { return Answer(text); }
  bool AskYesNo(const std::string& text) override { return Answer(text); }

 private:
  bool Answer(const std::string& text) {
    shown.push_back(text);
    if (answers.empty()) return false;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

// Records every message and answers questions from a queue; an unanswered
// question is declined.
struct ScriptedSynthesisDialog final : SynthesisDialog {
  std::vector<std::string> messages;
  std::deque<bool> answers;
  int unanswered = 0;

  void Inform(const std::string& text) override { messages.push_back(text); }
  bool AskYesNo(const std::string& text) override {
    messages.push_back(text);
    if (answers.empty()) {
      ++unanswered;
      return false;
    }
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

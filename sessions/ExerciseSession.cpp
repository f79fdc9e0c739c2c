#include "ExerciseSession.h"

#include <array>
#include <limits>
#include <variant>

#include "Platform.h"

namespace {

// A practice schema is one a student works through by hand: five to eight
// attributes with about as many dependencies. It is never in BCNF, so that
// there are keys to tell apart, dependencies that violate a normal form and
// something to decompose.
constexpr int FewestAttributes = 5;
constexpr int AttributeChoices = 4;
constexpr int ExtraDependencyChoices = 3;
constexpr std::array PracticeForms = {NormalFormLevel::First, NormalFormLevel::Second,
                                      NormalFormLevel::Third};

}  // namespace

ExerciseSession::ExerciseSession(QObject* parent) : ToolSession(parent) {}

void ExerciseSession::enterPhase(Phase phase) {
  if (phase_ == phase) return;
  phase_ = phase;
  emit phaseChanged(phase);
}

void ExerciseSession::record(bool right) {
  ++score_.attempted;
  if (right) ++score_.right;
  emit scoreChanged(score_);
}

void ExerciseSession::setTask(const Schema& schema) {
  clear();
  markUpToDate();
  bool answering = false;
  if (!schema.attributes[0].empty()) {
    names_ = schema.attributes;
    dependencies_ = schema.dependencies;
    answering = startTask();
  }
  emit taskChanged();
  if (answering) enterPhase(Phase::Answering);
}

void ExerciseSession::load(const Schema& schema) {
  practising_ = false;
  setTask(schema);
}

std::optional<GeneratorFailure> ExerciseSession::practise(RandomSource& random) {
  GeneratorRequest request;
  request.attributes = FewestAttributes + random.Random(AttributeChoices);
  request.dependencies = request.attributes + random.Random(ExtraDependencyChoices);
  request.target = PracticeForms.at(static_cast<std::size_t>(random.Random(PracticeForms.size())));
  request.seed = static_cast<std::uint64_t>(random.Random(std::numeric_limits<int>::max()));
  aimPractice(request);
  const GeneratorResult result = GenerateSchema(request);
  if (const auto* failure = std::get_if<GeneratorFailure>(&result)) return *failure;
  practising_ = true;
  setTask(std::get<GeneratedSchema>(result).schema);
  return std::nullopt;
}

void ExerciseSession::aimPractice(GeneratorRequest& /*request*/) const {}

void ExerciseSession::clear() {
  const bool hadTask = !names_[0].empty();
  names_ = {};
  dependencies_.clear();
  dropAnswer();
  if (hadTask) emit taskChanged();
  enterPhase(Phase::NoTask);
}

void ExerciseSession::close() {
  clear();
  practising_ = false;
  if (score_ == Score{}) return;
  score_ = {};
  emit scoreChanged(score_);
}

void ExerciseSession::markOutOfDate() {
  if (practising_) return;
  ToolSession::markOutOfDate();
  enterPhase(Phase::NoTask);
  taskOutOfDate();
}

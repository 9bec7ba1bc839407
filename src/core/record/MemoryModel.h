#pragma once

#include <array>

// How well a question is remembered, as the FSRS-6 memory model describes
// it: stability is the number of days after which the chance of recalling
// the answer has fallen to 90 %, difficulty (1..10) how hard it is to raise
// that stability. A question never answered has neither.
struct MemoryState {
    double stability = 0;
    double difficulty = 0;
    [[nodiscard]] bool isNew() const { return stability <= 0; }
    bool operator==(const MemoryState &) const = default;
};

// The program grades a first try by pass or fail only: right at the first
// try is Good, anything else Again. The values are the model's grade numbers.
enum class Grade { Again = 1, Good = 3 };

// The FSRS-6 scheduler as pure functions of the state, the whole days since
// the last review and the grade. Intermediate values are rounded to eight
// decimals at the same points as the reference implementation, so that
// both agree to the last digit over long histories.
class MemoryModel {
  public:
    using Weights = std::array<double, 21>;
    // The 21 published default parameters of FSRS-6.
    static constexpr Weights DefaultWeights = {
        0.212,  1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194, 0.001,  1.8722, 0.1666, 0.796,
        1.4835, 0.0614, 0.2629, 1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542};
    static constexpr double MinStability = 0.001;
    static constexpr double MaxStability = 36500;
    static constexpr int MaxInterval = 36500;

    explicit MemoryModel(const Weights &weights = DefaultWeights);

    // The chance of recalling the answer after elapsedDays at the given
    // stability; 1 for a state without stability is never asked for.
    [[nodiscard]] double retrievability(double elapsedDays, double stability) const;
    // The state after a review elapsedDays (whole days, 0 for the same day)
    // after the last one. A review on the same day as the last changes the
    // stability by the short-term formula.
    [[nodiscard]] MemoryState next(const MemoryState &state, int elapsedDays, Grade grade) const;
    // Whole days until the recall falls to desiredRetention, 1..MaxInterval.
    [[nodiscard]] int interval(double stability, double desiredRetention) const;

  private:
    [[nodiscard]] double initialDifficulty(int grade) const;
    [[nodiscard]] double nextDifficulty(double difficulty, int grade) const;

    Weights m_w;
    double m_decay;
    double m_factor;
};

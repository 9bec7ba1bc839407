#include "MemoryModel.h"

#include <algorithm>
#include <cmath>

namespace {

double roundTo8(double x)
{
    // Half away from zero for the values met here (all positive), as the
    // reference's Math.round(x * 1e8) / 1e8.
    return std::floor(x * 1e8 + 0.5) / 1e8;
}

} // namespace

MemoryModel::MemoryModel(const Weights &weights)
    : m_w(weights), m_decay(-weights[20]),
      m_factor(roundTo8(std::exp(std::log(0.9) / -weights[20]) - 1))
{
}

double MemoryModel::retrievability(double elapsedDays, double stability) const
{
    return roundTo8(std::pow(1 + m_factor * elapsedDays / stability, m_decay));
}

double MemoryModel::initialDifficulty(int grade) const
{
    return roundTo8(m_w[4] - std::exp(double(grade - 1) * m_w[5]) + 1);
}

double MemoryModel::nextDifficulty(double difficulty, int grade) const
{
    const double delta = -m_w[6] * double(grade - 3);
    // Linear damping: the closer to 10, the smaller the step up.
    const double damped = difficulty + roundTo8(delta * (10 - difficulty) / 9);
    // Mean reversion towards the difficulty of a first "Easy".
    const double reverted = roundTo8(m_w[7] * initialDifficulty(4) + (1 - m_w[7]) * damped);
    return std::clamp(reverted, 1.0, 10.0);
}

MemoryState MemoryModel::next(const MemoryState &state, int elapsedDays, Grade grade) const
{
    const int g = int(grade);
    if (state.isNew())
        return {std::max(m_w[std::size_t(g - 1)], 0.1),
                std::clamp(initialDifficulty(g), 1.0, 10.0)};
    const double s = state.stability;
    const double d = state.difficulty;
    double stability = 0;
    if (elapsedDays <= 0) {
        // Same day: the short-term formula; a pass never lowers stability.
        double growth = std::pow(s, -m_w[19]) * std::exp(m_w[17] * (g - 3 + m_w[18]));
        if (g >= 2)
            growth = std::max(growth, 1.0);
        stability = roundTo8(std::clamp(s * growth, MinStability, MaxStability));
    } else {
        const double r = retrievability(elapsedDays, s);
        if (grade == Grade::Again) {
            const double forgotten = roundTo8(
                std::clamp(m_w[11] * std::pow(d, -m_w[12]) * (std::pow(s + 1, m_w[13]) - 1) *
                               std::exp((1 - r) * m_w[14]),
                           MinStability, MaxStability));
            // A lapse never leaves more stability than a same-day lapse would.
            const double ceiling = roundTo8(s / std::exp(m_w[17] * m_w[18]));
            stability = std::min(std::max(ceiling, MinStability), forgotten);
        } else {
            stability =
                roundTo8(std::clamp(s * (1 + std::exp(m_w[8]) * (11 - d) * std::pow(s, -m_w[9]) *
                                                 (std::exp((1 - r) * m_w[10]) - 1)),
                                    MinStability, MaxStability));
        }
    }
    return {stability, nextDifficulty(d, g)};
}

int MemoryModel::interval(double stability, double desiredRetention) const
{
    const double modifier = roundTo8((std::pow(desiredRetention, 1 / m_decay) - 1) / m_factor);
    const double days = std::floor(stability * modifier + 0.5);
    return int(std::clamp(days, 1.0, double(MaxInterval)));
}

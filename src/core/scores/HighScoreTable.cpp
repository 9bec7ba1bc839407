#include "HighScoreTable.h"

#include "SettingsStore.h"
#include "core/common/NumberText.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace {
QString scoreKey(int p)
{
    return QStringLiteral("s%1").arg(p);
}
QString nameKey(int p)
{
    return QStringLiteral("n%1").arg(p);
}
} // namespace

std::int32_t HighScoreTable::scoreFromText(const QString &text)
{
    // Blanks around the number are tolerated, as the classic conversion
    // does; a fraction, an exponent, letters or a value outside the 32-bit
    // range are not a score this program wrote.
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok, 10);
    if (!ok || value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max())
        return 0;
    return std::int32_t(value);
}

QString HighScoreTable::scoreText(std::int32_t score)
{
    return plainText(score);
}

void HighScoreTable::load(const SettingsStore &store)
{
    for (int p = 1; p <= Places; ++p) {
        HighScorePlace &place = m_places[std::size_t(p - 1)];
        const QString score = store.read(section(), scoreKey(p));
        place.score = score.isEmpty() ? 0 : scoreFromText(score);
        place.name = store.read(section(), nameKey(p));
    }
    m_loaded = m_places;
}

std::optional<int> HighScoreTable::placeOf(std::int32_t x) const
{
    if (x > m_places[0].score)
        return 1;
    for (int p = 2; p <= Places; ++p) {
        if (x > m_places[std::size_t(p - 1)].score && x < m_places[std::size_t(p - 2)].score)
            return p;
    }
    return std::nullopt;
}

void HighScoreTable::insert(int p, std::int32_t score, const QString &name)
{
    for (int j = Places; j >= p + 1; --j)
        m_places[std::size_t(j - 1)] = m_places[std::size_t(j - 2)];
    m_places[std::size_t(p - 1)] = HighScorePlace{score, name};
}

void HighScoreTable::clear()
{
    for (int p = Places; p >= 1; --p)
        m_places[std::size_t(p - 1)] = HighScorePlace{};
}

void HighScoreTable::merge(const HighScorePlace &added)
{
    const auto below = std::find_if(m_places.begin(), m_places.end(),
                                    [&](const HighScorePlace &p) { return added.score > p.score; });
    if (below == m_places.end())
        return;
    std::move_backward(below, m_places.end() - 1, m_places.end());
    *below = added;
}

bool HighScoreTable::save(SettingsStore &store)
{
    return store.update([&] {
        HighScoreTable onStore;
        onStore.load(store);
        std::vector<HighScorePlace> known(m_loaded.begin(), m_loaded.end());
        for (const HighScorePlace &place : onStore.m_places) {
            const auto it = std::find(known.begin(), known.end(), place);
            if (it != known.end())
                known.erase(it);
            else if (place != HighScorePlace{})
                merge(place);
        }
        for (int p = 1; p <= Places; ++p)
            store.write(section(), scoreKey(p), scoreText(m_places[std::size_t(p - 1)].score));
        for (int p = 1; p <= Places; ++p)
            store.write(section(), nameKey(p), m_places[std::size_t(p - 1)].name);
        // Written, even if not yet committed: a second try must not merge
        // this table's own places into it again.
        m_loaded = m_places;
    });
}

bool HighScoreTable::offerScore(std::int32_t score, const std::function<QString()> &askName)
{
    const std::optional<int> p = placeOf(score);
    if (!p)
        return false;
    insert(*p, score, askName());
    return true;
}

#pragma once

#include <set>
#include <string>

#include "model/GridUpdateListener.h"

namespace Novem {

// A deduction solver working on a caller's grid in place. Listeners are not owned and must
// outlive every Solve they are registered for.
template <typename TGrid>
class ISolver {
public:
    using Listener = GridUpdateListener<TGrid>;
    using GridUpdateEvent = typename Listener::GridUpdateEvent;

    virtual ~ISolver() = default;

    // True when every cell ends with exactly one candidate.
    virtual bool Solve(TGrid& grid) = 0;

    // What the last Solve achieved, one LF-terminated line per counter.
    virtual std::string GetStatistics() const = 0;

    // Registering a listener twice changes nothing.
    void AddListener(Listener* listener) { m_listeners.insert(listener); }

protected:
    // Whatever a listener throws passes through.
    void NotifyListeners(const GridUpdateEvent& event) {
        for (Listener* listener : m_listeners) {
            listener->OnGridUpdate(event);
        }
    }

private:
    std::set<Listener*> m_listeners;
};

}  // namespace Novem

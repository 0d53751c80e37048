#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/GridUpdateListener.h"
#include "model/Grid_9x9.h"

namespace Novem::TestSupport {

// Keeps what every notification carried, including the grid dump as it stood at that moment.
class RecordingListener : public GridUpdateListener<Grid_9x9> {
public:
    struct Record {
        std::string ruleName;
        std::int32_t step;
        std::string dump;
    };

    void OnGridUpdate(const GridUpdateEvent& event) override {
        m_records.push_back({event.ruleName, event.step, event.ToString()});
    }

    const std::vector<Record>& Records() const { return m_records; }

private:
    std::vector<Record> m_records;
};

}  // namespace Novem::TestSupport

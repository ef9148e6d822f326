#ifndef QX_TEST_SUPPORT_TRAN_LIST_FIXTURE_H
#define QX_TEST_SUPPORT_TRAN_LIST_FIXTURE_H

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tracker/tran_list.h"

namespace qx {

// Adds each transaction in turn and fails the test when one is refused, naming it.
inline void AddAll(TranList& list, const std::vector<Tran>& history, const std::string& what) {
    for (size_t i = 0; i < history.size(); ++i) {
        const Outcome outcome = list.Add(history[i]);
        ASSERT_TRUE(outcome.IsAccepted())
            << what << ": history entry " << i << " refused: " << outcome.GetReason();
    }
}

// The transaction stored at index, read back through GetAt.
inline Tran StoredAt(const TranList& list, int index) {
    Tran tran;
    EXPECT_EQ(list.GetAt(index, tran), 0) << "index " << index;
    return tran;
}

}  // namespace qx

#endif  // QX_TEST_SUPPORT_TRAN_LIST_FIXTURE_H

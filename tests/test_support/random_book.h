#ifndef QX_TEST_SUPPORT_RANDOM_BOOK_H
#define QX_TEST_SUPPORT_RANDOM_BOOK_H

#include <cstdint>
#include <random>
#include <string>

#include "pricing/option.h"
#include "test_support/tran_builder.h"
#include "tracker/tran_list.h"

namespace qx {

// A book of count transactions the rules accept, drawn from seed, fifty a day from
// 2020 on: trades in two symbols (one named in UTF-8), a dozen option series opened,
// closed and exercised, and dividends. Fewer when the rules refuse too much.
inline TranList RandomBook(int count, std::uint32_t seed) {
    std::mt19937 random(seed);
    const auto draw = [&random](int n) { return static_cast<int>(random() % n); };
    TranList book;
    for (int tries = 0; book.GetCount() < count && tries < 20 * count; ++tries) {
        TranBuilder trade;
        const int what = draw(10);
        if (what == 0) {
            trade.Dividend(1 + draw(100));
        } else if (what < 4) {
            trade.Underlying(draw(2) ? "XYZ" : "Soci\xC3\xA9t\xC3\xA9");
            (draw(3) ? trade.Open() : trade.Close());
            (draw(2) ? trade.Buy(100 * (1 + draw(3))) : trade.Sell(100 * (1 + draw(3))));
            trade.At(40 + draw(2000) / 100.0).Fees(draw(10));
        } else {
            const int series = draw(12);
            trade.OptionSeries("Jun " + std::to_string(40 + series) + " Call", OptionType::kCall,
                               40 + series);
            if (what == 9) {
                trade.Exercise(1, 45 + draw(20));
            } else {
                (what < 7 ? trade.Open() : trade.Close());
                (draw(2) ? trade.Buy(1 + draw(4)) : trade.Sell(1 + draw(4)));
                trade.At(0.5 + draw(500) / 100.0).Fees(draw(3));
            }
        }
        Tran tran = trade;
        tran.SetDate(CTime(2020, 1, 1, 9 + draw(8)).AddDays(book.GetCount() / 50));
        book.Add(tran);
    }
    return book;
}

}  // namespace qx

#endif  // QX_TEST_SUPPORT_RANDOM_BOOK_H

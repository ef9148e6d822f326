#include "platform/archive.h"
#include "tracker/tran.h"

namespace qx {

bool Tran::Serialize(CArchive& archive) {
    archive.Exchange(date);
    archive.Exchange(kind);
    archive.Exchange(assetType);
    archive.Exchange(name);
    archive.Exchange(action);
    archive.Exchange(units);
    archive.Exchange(unitsPerContract);
    archive.Exchange(optionType);
    archive.Exchange(strike);
    archive.Exchange(expiration);
    archive.Exchange(side);
    archive.Exchange(price);
    archive.Exchange(fees);
    // The choices no setter lets out of their range mark a damaged file.
    archive.ExpectRange(kind, kNoKind, kDividendTran);
    archive.ExpectRange(assetType, 0, 3);
    archive.ExpectRange(action, kNoAction, kExercise);
    archive.ExpectRange(side, 0, 2);
    return archive.EndRecord();
}

}  // namespace qx

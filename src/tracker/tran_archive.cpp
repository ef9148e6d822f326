#include "platform/archive.h"
#include "pricing/option.h"
#include "pricing/record_fields.h"
#include "tracker/tran.h"

namespace qx {

bool Tran::Serialize(CArchive& archive) {
    Tran read = *this;
    Tran& fields = archive.IsStoring() ? *this : read;
    archive.Exchange(fields.date);
    archive.Exchange(fields.kind);
    archive.Exchange(fields.assetType);
    archive.Exchange(fields.name);
    archive.Exchange(fields.action);
    archive.Exchange(fields.units);
    archive.Exchange(fields.unitsPerContract);
    archive.Exchange(fields.optionType);
    archive.Exchange(fields.strike);
    archive.Exchange(fields.expiration);
    archive.Exchange(fields.side);
    archive.Exchange(fields.price);
    archive.Exchange(fields.fees);
    if (archive.IsLoading()) archive.Expect(TakeLoaded(read));
    return archive.EndRecord();
}

// A trade of the underlying or a dividend holds no option type and no strike, as a
// new record; the side comes before the units, whose sign it decides.
bool Tran::TakeLoaded(const Tran& read) {
    *this = Tran();
    return AllAccepted({
        SetDate(read.date),
        SetKind(read.kind),
        SetAssetType(read.assetType),
        SetName(read.name),
        SetAction(read.action),
        SetSide(read.side),
        SetUnits(read.units),
        SetUnitsPerContract(read.unitsPerContract),
        read.optionType == kNoOptionType ? 0 : SetOptionType(read.optionType),
        read.strike == 0 ? 0 : SetStrike(read.strike),
        SetExpiration(read.expiration),
        SetPrice(read.price),
        SetFees(read.fees),
    });
}

}  // namespace qx

#include "platform/archive.h"
#include "pricing/option.h"
#include "pricing/record_fields.h"
#include "tracker/tran.h"

namespace qx {

bool Tran::Serialize(CArchive& archive) {
    return archive.ExchangeRecord(
        *this, &Tran::TakeLoaded, &Tran::date, AsStored(&Tran::kind, TranKindFromStored),
        AsStored(&Tran::assetType, AssetTypeFromStored), &Tran::name,
        AsStored(&Tran::action, TranActionFromStored), &Tran::units, &Tran::unitsPerContract,
        AsStored(&Tran::optionType, OptionTypeFromStored), &Tran::strike, &Tran::expiration,
        AsStored(&Tran::side, SideFromStored), &Tran::price, &Tran::fees);
}

// A trade of the underlying or a dividend holds no option type and no strike, as a
// new record; the side comes before the units, whose sign it decides. A name longer
// than a record now takes was typed into an earlier edition: it is kept, so that the
// document still opens and its closings still find their openings.
bool Tran::TakeLoaded(const Tran& read) {
    *this = Tran();
    name = read.name;
    return AllAccepted({
        SetDate(read.date),
        SetKind(read.kind),
        SetAssetType(read.assetType),
        SetAction(read.action),
        SetSide(read.side),
        SetUnits(read.units),
        SetUnitsPerContract(read.unitsPerContract),
        read.optionType == OptionType::kNone ? 0 : SetOptionType(read.optionType),
        read.strike == 0 ? 0 : SetStrike(read.strike),
        SetExpiration(read.expiration),
        SetPrice(read.price),
        SetFees(read.fees),
    });
}

}  // namespace qx

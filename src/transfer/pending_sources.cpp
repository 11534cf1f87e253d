#include <functional>

#include "transfer/uOpe.h"

namespace kelvaro {

std::size_t PendingSources::Hash::operator()(const FileIdentity& identity) const {
    return std::hash<std::uint64_t>()(identity.index) ^
           (std::hash<std::uint64_t>()(identity.volume) << 1);
}

void PendingSources::Read(const std::optional<FileIdentity>& identity) {
    if (!identity) {
        return;
    }
    const auto found = pending_.find(*identity);
    if (found != pending_.end() && --found->second == 0) {
        pending_.erase(found);
    }
}

bool PendingSources::Contains(const std::optional<FileIdentity>& identity) const {
    return identity && pending_.count(*identity) != 0;
}

}  // namespace kelvaro

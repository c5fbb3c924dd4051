#include "model/UBlocs.h"

#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#endif

#include <cstdint>

namespace vasco::detail {

// A new block is written whole at once (its free cells are chained), then
// filled by the history period after period.  Taking its pages from the
// system in one request rather than one fault per page halves the system
// time of a long run on the machines measured.  Where the request is unknown
// (an older kernel, another system) nothing is done: the pages come one by
// one as before.
void PreparerBloc(void* bloc, std::size_t taille) noexcept
{
#if defined(__linux__) && defined(MADV_POPULATE_WRITE)
    static const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    if (page == 0 || (page & (page - 1)) != 0)
        return;
    const auto debut = reinterpret_cast<std::uintptr_t>(bloc);
    const std::uintptr_t premiere = debut & ~(page - 1);
    ::madvise(reinterpret_cast<void*>(premiere), debut + taille - premiere, MADV_POPULATE_WRITE);
#else
    (void)bloc;
    (void)taille;
#endif
}

} // namespace vasco::detail

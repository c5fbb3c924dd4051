// Block allocation of the small elements a data set holds by the hundred
// thousand (one per size class and season, or per size class and period) and
// of the records every period adds (states, conditions, catch records,
// balances).
//
// A class that derives from TEnBlocs<T> is carved from blocks of a thousand
// elements of its own class: one allocation per block instead of one per
// element, no per-element bookkeeping, and the sizes of one period side by
// side in memory for the per-size loops.  An element freed goes back to its
// class's free list and is reused by the next one created; the blocks
// themselves are kept for the life of the program (a data set loaded after
// another reuses them).  Each thread has its own reserves: runs made side by
// side never share a free list.  A cell freed by another thread than the one
// that carved it joins the freeing thread's list, which is safe since no
// block is ever released.  Under AddressSanitizer every element is a plain
// allocation, so that the sanitizer still sees each one.
#pragma once

#include <cstddef>
#include <new>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#define VASCO_BLOCS_ACTIFS 0
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VASCO_BLOCS_ACTIFS 0
#endif
#endif
#ifndef VASCO_BLOCS_ACTIFS
#define VASCO_BLOCS_ACTIFS 1
#endif

namespace vasco {

namespace detail {

// Free cells of one size, and the blocks they were cut from.
class TReserveCellules {
public:
    explicit TReserveCellules(std::size_t taille) : taille_(Arrondi(taille)) {}
    TReserveCellules(const TReserveCellules&) = delete;
    TReserveCellules& operator=(const TReserveCellules&) = delete;

    void* Prendre()
    {
        if (!libres_)
            Remplir();
        Libre* c = libres_;
        libres_ = c->Suivant;
        return c;
    }
    void Rendre(void* p) noexcept
    {
        auto* c = static_cast<Libre*>(p);
        c->Suivant = libres_;
        libres_ = c;
    }

private:
    struct Libre {
        Libre* Suivant;
    };
    static constexpr std::size_t ParBloc = 1024;
    static constexpr std::size_t Alignement = __STDCPP_DEFAULT_NEW_ALIGNMENT__;

    static std::size_t Arrondi(std::size_t taille)
    {
        taille = taille < sizeof(Libre) ? sizeof(Libre) : taille;
        return (taille + Alignement - 1) / Alignement * Alignement;
    }
    // A new block, its cells chained in address order.
    void Remplir()
    {
        auto* bloc = static_cast<std::byte*>(::operator new(taille_* ParBloc));
        blocs_.push_back(bloc);
        for (std::size_t i = ParBloc; i-- > 0;)
            Rendre(bloc + i * taille_);
    }

    std::size_t taille_;
    Libre* libres_ = nullptr;
    std::vector<std::byte*> blocs_;
};

} // namespace detail

template <class T>
class TEnBlocs {
public:
    static void* operator new(std::size_t taille)
    {
        static_assert(alignof(T) <= __STDCPP_DEFAULT_NEW_ALIGNMENT__);
        if (!VASCO_BLOCS_ACTIFS || taille != sizeof(T))
            return ::operator new(taille);
        return Reserve().Prendre();
    }
    static void operator delete(void* p, std::size_t taille) noexcept
    {
        if (!VASCO_BLOCS_ACTIFS || taille != sizeof(T))
            return ::operator delete(p);
        Reserve().Rendre(p);
    }

private:
    // Never destroyed: an element may be freed after the end of main() (a
    // data set held by a static object), and its cell must still have a
    // list to go back to.
    static detail::TReserveCellules& Reserve()
    {
        thread_local auto* reserve = new detail::TReserveCellules(sizeof(T));
        return *reserve;
    }
};

} // namespace vasco

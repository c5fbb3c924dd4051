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
// another reuses them).
//
// Each thread has its own reserve: runs made side by side never share a free
// list, and taking or giving back a cell takes no lock.  When a thread ends,
// its free cells go to its class's depot, under a lock, and the next thread
// that runs out takes them from there before it cuts a new block: threads
// started again and again (each call of the Monte-Carlo runner, each
// background computation of the window program) reuse the same memory
// instead of stranding their cells.  A cell freed by another thread than the
// one that carved it joins the freeing thread's list, which is safe since no
// block is ever released.  Under AddressSanitizer every element is a plain
// allocation, so that the sanitizer still sees each one.
#pragma once

#include <cstddef>
#include <mutex>
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

// Maps the pages of a new block at once (see UBlocs.cpp).
void PreparerBloc(void* bloc, std::size_t taille) noexcept;

// A free cell: its first bytes link it to the next one.
struct TCelluleLibre {
    TCelluleLibre* Suivant;
};

// The free cells of one class left by threads that ended, as the chains
// they left them in, and the blocks those threads cut (kept reachable, never
// released).
class TDepotCellules {
public:
    void Deposer(TCelluleLibre* chaine, std::vector<std::byte*>& blocs)
    {
        std::lock_guard verrou(mutex_);
        if (chaine)
            chaines_.push_back(chaine);
        blocs_.insert(blocs_.end(), blocs.begin(), blocs.end());
        blocs.clear();
    }
    // One chain left by an ended thread, or null.
    TCelluleLibre* Retirer()
    {
        std::lock_guard verrou(mutex_);
        if (chaines_.empty())
            return nullptr;
        TCelluleLibre* c = chaines_.back();
        chaines_.pop_back();
        return c;
    }

private:
    std::mutex mutex_;
    std::vector<TCelluleLibre*> chaines_;
    std::vector<std::byte*> blocs_;
};

// Free cells of one size for one thread, and the blocks it cut them from.
class TReserveCellules {
public:
    TReserveCellules(std::size_t taille, TDepotCellules& depot)
        : taille_(Arrondi(taille)), depot_(depot)
    {
    }
    TReserveCellules(const TReserveCellules&) = delete;
    TReserveCellules& operator=(const TReserveCellules&) = delete;
    // The thread ends: what it has not handed out goes to the depot.
    ~TReserveCellules() { depot_.Deposer(libres_, blocs_); }

    void* Prendre()
    {
        if (!libres_)
            Remplir();
        TCelluleLibre* c = libres_;
        libres_ = c->Suivant;
        return c;
    }
    void Rendre(void* p) noexcept
    {
        auto* c = static_cast<TCelluleLibre*>(p);
        c->Suivant = libres_;
        libres_ = c;
    }

    static std::size_t Arrondi(std::size_t taille)
    {
        taille = taille < sizeof(TCelluleLibre) ? sizeof(TCelluleLibre) : taille;
        return (taille + Alignement - 1) / Alignement * Alignement;
    }

private:
    static constexpr std::size_t ParBloc = 1024;
    static constexpr std::size_t Alignement = __STDCPP_DEFAULT_NEW_ALIGNMENT__;

    // Cells left by an ended thread if there are any, or a new block with
    // its cells chained in address order.
    void Remplir()
    {
        libres_ = depot_.Retirer();
        if (libres_)
            return;
        auto* bloc = static_cast<std::byte*>(::operator new(taille_* ParBloc));
        PreparerBloc(bloc, taille_ * ParBloc);
        blocs_.push_back(bloc);
        for (std::size_t i = ParBloc; i-- > 0;)
            Rendre(bloc + i * taille_);
    }

    std::size_t taille_;
    TDepotCellules& depot_;
    TCelluleLibre* libres_ = nullptr;
    std::vector<std::byte*> blocs_;
};

// A thread's reserve of one class, reached through a plain thread-local
// pointer that stays readable to the very end of the thread.  The reserve
// is created at the thread's first element of the class; when the thread
// ends it is handed back to the depot and the pointer cleared.  An element
// freed or created after that on the same thread (a data set held by a
// static object, destroyed after main() returns) goes through the depot
// directly.
template <class T>
class TReserveDuFil {
public:
    static void* Prendre()
    {
        if (TReserveCellules* r = reserve_)
            return r->Prendre();
        if (!fini_)
            return Ouvrir().Prendre();
        TCelluleLibre* c = Depot().Retirer();
        if (!c)
            return ::operator new(TReserveCellules::Arrondi(sizeof(T)));
        // The rest of the chain goes back for the threads to come.
        std::vector<std::byte*> aucun;
        Depot().Deposer(c->Suivant, aucun);
        return c;
    }
    static void Rendre(void* p) noexcept
    {
        if (TReserveCellules* r = reserve_) {
            r->Rendre(p);
            return;
        }
        // Past the end of the thread: the cell alone goes to the depot.
        auto* c = static_cast<TCelluleLibre*>(p);
        c->Suivant = nullptr;
        std::vector<std::byte*> aucun;
        try {
            Depot().Deposer(c, aucun);
        } catch (...) {
            // A lock that cannot be taken strands one cell, nothing more.
        }
    }

private:
    // Never destroyed: ended threads hand their cells to it until the
    // program's very end.
    static TDepotCellules& Depot()
    {
        static auto* depot = new TDepotCellules;
        return *depot;
    }
    // Created with the reserve, destroyed when the thread ends.
    struct TFin {
        TReserveCellules Reserve{sizeof(T), Depot()};
        ~TFin()
        {
            reserve_ = nullptr;
            fini_ = true;
        }
    };
    static TReserveCellules& Ouvrir()
    {
        thread_local TFin fin;
        reserve_ = &fin.Reserve;
        return fin.Reserve;
    }

    static inline thread_local TReserveCellules* reserve_ = nullptr;
    static inline thread_local bool fini_ = false;
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
        return detail::TReserveDuFil<T>::Prendre();
    }
    static void operator delete(void* p, std::size_t taille) noexcept
    {
        if (!VASCO_BLOCS_ACTIFS || taille != sizeof(T))
            return ::operator delete(p);
        detail::TReserveDuFil<T>::Rendre(p);
    }
};

} // namespace vasco

// src/base/reserve.h -- large work memory taken when a task first needs it, never held from the
// start. A request that can't be met ends the game through the fatal exit with a message that says
// what the memory was for, never a crash on a missing buffer; a task that must not start half-way (a
// save) asks first with reserve_try and gives up cleanly.
#pragma once
#include <cstddef>

// `size` zeroed bytes; on a refusal the fatal exit with "Out of memory: <what> (<n> kB)".
void *reserve_or_quit(size_t size, const char *what);
// `size` zeroed bytes, or null when they can't be had.
void *reserve_try(size_t size);
// `size` bytes the caller fills before it reads any, or null when they can't be had.
void *reserve_try_unfilled(size_t size);
void reserve_release(void *p);

// Asked before every request with its size; true refuses it as a full memory would. Null (every
// request is served) but for tests.
extern bool (*reserve_refuses)(size_t size);

// A buffer of `n` records of T for the life of a scope.
template <typename T> class Reserved {
public:
    // On a refusal: the fatal exit.
    Reserved(size_t n, const char *what) : p_(static_cast<T *>(reserve_or_quit(n * sizeof(T), what))), n_(n) {}
    // On a refusal: ok() is false and nothing is held.
    explicit Reserved(size_t n) : p_(static_cast<T *>(reserve_try(n * sizeof(T)))), n_(p_ ? n : 0) {}
    // The same for a buffer the caller fills whole before reading it: it is not cleared first.
    struct Unfilled {};
    Reserved(size_t n, Unfilled) : p_(static_cast<T *>(reserve_try_unfilled(n * sizeof(T)))), n_(p_ ? n : 0) {}
    ~Reserved() { reserve_release(p_); }
    Reserved(const Reserved &) = delete;
    Reserved &operator=(const Reserved &) = delete;
    bool ok() const { return p_ != nullptr; }
    T *data() const { return p_; }
    T &operator[](size_t i) const { return p_[i]; }
    size_t size() const { return n_; }
    size_t bytes() const { return n_ * sizeof(T); }

private:
    T *p_;
    size_t n_;
};

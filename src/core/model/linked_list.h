#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

// The game's lists (rules records read from the data files, and the items a character owns)
// are singly linked lists with one list per record type, reached through the type's static
// head `pHead`. Each record owns the one after it; the type also remembers its last record so
// that appending while loading a data directory does not walk the list.
template <typename T> class LinkedRecord {
public:
    std::unique_ptr<T> next;

    static inline std::unique_ptr<T> pHead;
    static inline T* pTail = nullptr;

    LinkedRecord() = default;
    LinkedRecord(const LinkedRecord&) = delete;
    LinkedRecord& operator=(const LinkedRecord&) = delete;

    // Unlinks the chain behind this record one by one, so a long list is not destroyed
    // by a deep recursion of destructors.
    ~LinkedRecord() {
        while (next) {
            next.reset(next->next.release());
        }
    }

    static void AddTail(std::unique_ptr<T> record) {
        if (!record) {
            return;
        }
        record->next.reset();
        T* added = record.get();
        if (!pHead) {
            pHead = std::move(record);
        } else {
            pTail->next = std::move(record);
        }
        pTail = added;
    }

    static void AddHead(std::unique_ptr<T> record) {
        if (!record) {
            return;
        }
        record->next = std::move(pHead);
        if (!record->next) {
            pTail = record.get();
        }
        pHead = std::move(record);
    }

    // The first record, in list order, that `matches`.
    template <typename Predicate> static T* First(Predicate matches) {
        for (T* p = pHead.get(); p; p = p->next.get()) {
            if (matches(*p)) {
                return p;
            }
        }
        return nullptr;
    }

    // The first record, in list order, whose name contains `name` (case-sensitive).
    static T* Find(std::string_view name) {
        return First([name](const T& p) { return p.name.find(name) != std::string_view::npos; });
    }

    // The first record, in list order, of exactly this name (case-sensitive).
    static T* Named(std::string_view name) {
        return First([name](const T& p) { return p.name == name; });
    }

    // Unlinks and destroys `item`; an item that is not in the list is left alone.
    static void Remove(T* item) {
        if (!item || !pHead) {
            return;
        }
        if (pHead.get() == item) {
            std::unique_ptr<T> removed = std::move(pHead);
            pHead = std::move(removed->next);
            if (!pHead) {
                pTail = nullptr;
            }
            return;
        }
        for (T* p = pHead.get(); p->next; p = p->next.get()) {
            if (p->next.get() == item) {
                std::unique_ptr<T> removed = std::move(p->next);
                p->next = std::move(removed->next);
                if (!p->next) {
                    pTail = p;
                }
                return;
            }
        }
    }

    static void Clear() {
        while (pHead) {
            pHead.reset(pHead->next.release());
        }
        pTail = nullptr;
    }

    static std::size_t Count() {
        std::size_t n = 0;
        for (T* p = pHead.get(); p; p = p->next.get()) {
            ++n;
        }
        return n;
    }
};

// Counted owning handle. Handles share one hub; the last handle to let go deletes the object.
// Single-threaded by design: counts are plain ints.
#pragma once

template <class T>
class ref
{
public:
    struct hub_struct
    {
        bool placeholder; // true: the hub never deletes its object
        int count;
        T* object;
    };

    hub_struct* hub;

    ref() : hub(nullptr) {}
    ref(const ref& P) : hub(P.hub) { if (hub) hub->count++; }
    virtual ~ref() { clear(); }

    const ref& operator=(const ref& P)
    {
        // Take the new hub before letting go of ours, so self-assignment cannot free it.
        hub_struct* New = P.hub;
        if (New) New->count++;
        clear();
        hub = New;
        return *this;
    }
    const ref& operator=(ref& P) { return operator=(static_cast<const ref&>(P)); }

    void init(T* P)
    {
        clear();
        if (!P) return;
        hub = new hub_struct{false, 1, P};
    }
    void init_placeholder(T* P)
    {
        clear();
        hub = new hub_struct{true, 1, P};
    }
    // Points this handle's hub at another object without giving it ownership.
    void overlay_placeholder(T* P)
    {
        if (!hub) { init_placeholder(P); return; }
        if (!hub->placeholder && hub->object) delete hub->object;
        hub->placeholder = true;
        hub->object = P;
    }

    void clear()
    {
        if (!hub) return;
        hub_struct* Old = hub;
        hub = nullptr;
        if (--Old->count == 0) release(Old);
    }

    T* ptr() const { return hub ? hub->object : nullptr; }
    const T* c_ptr() const { return ptr(); }
    T* operator->() const { return ptr(); }
    T* operator()() const { return ptr(); }

    bool null() const { return ptr() == nullptr; }
    int count() const { return hub ? hub->count : 0; }
    bool is_placeholder() const { return hub && hub->placeholder; }
    bool operator==(const ref& P) const { return ptr() == P.ptr(); }
    bool operator<(const ref& P) const { return ptr() < P.ptr(); }

private:
    // Kept out of line: inlined next to a second handle's clear, GCC cannot see that the count guards
    // the hub and warns of a use after free that cannot happen.
    [[gnu::noinline]] static void release(hub_struct* Old)
    {
        if (!Old->placeholder && Old->object) delete Old->object;
        delete Old;
    }
};

template <class T>
ref<T> mkref(T* P)
{
    ref<T> R;
    R.init(P);
    return R;
}

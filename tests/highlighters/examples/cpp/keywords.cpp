namespace ledger {
class TAccount : public TBase {
    int Int; // int and Int differ
    bool IF = false; unsigned long NULL_ = 0;
    virtual void __fastcall Post(wchar_t* text) const;
    __property int Total = {read = FTotal};
__published:
    static_cast<int>(x); reinterpret_cast<char*>(p); dynamic_cast<T&>(r);
    typedef __int64 TBig; __int8 a; __int16 b; __int32 c;
    template <typename T> friend struct Pair;
    _stdcall __cdecl _pascal __declspec(dllexport) __thread __rtti __classid;
    try { throw new TError; } catch (...) {} __try {} __except (1) {} __finally {}
    mutable volatile register auto signed short int n = sizeof(n);
    explicit operator bool(); using namespace std; enum union; goto end;
    this->do_it(); if (true) return; else while (0) continue; break;
    switch (typeid(x)) { case 1: default: ; } for (;;) delete this;
    Class CLASS class_ _class classy int8 __int9 x_int inline_;
    asm mov eax, 1
    __asm
    _asm {
    }
};
}

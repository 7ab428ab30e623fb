#pragma once

#include "ui/core/base/UIPtrArray.h"

namespace SkinUI {

// A callback taking one untyped parameter and answering whether processing
// goes on. Two delegates are equal when they call the same function on the
// same object.
class CDelegateBase {
public:
    virtual ~CDelegateBase() = default;
    virtual CDelegateBase* Copy() const = 0;
    virtual bool Invoke(void* param) = 0;
    virtual bool Equals(const CDelegateBase& other) const = 0;
};

// Calls a member function of `Declaring` (the class of `Object` or one of its
// bases) on an object.
template <class Object, class Declaring = Object>
class CDelegate : public CDelegateBase {
public:
    using Function = bool (Declaring::*)(void* param);

    CDelegate(Object* object, Function function) : m_object(object), m_function(function) {}

    CDelegateBase* Copy() const override { return new CDelegate(*this); }
    bool Invoke(void* param) override { return (m_object->*m_function)(param); }
    bool Equals(const CDelegateBase& other) const override {
        const auto* same = dynamic_cast<const CDelegate*>(&other);
        return same != nullptr && same->m_object == m_object && same->m_function == m_function;
    }

private:
    Object* m_object;
    Function m_function;
};

// Calls a plain function.
class CFunctionDelegate : public CDelegateBase {
public:
    using Function = bool (*)(void* param);

    explicit CFunctionDelegate(Function function) : m_function(function) {}

    CDelegateBase* Copy() const override { return new CFunctionDelegate(*this); }
    bool Invoke(void* param) override { return m_function(param); }
    bool Equals(const CDelegateBase& other) const override {
        const auto* same = dynamic_cast<const CFunctionDelegate*>(&other);
        return same != nullptr && same->m_function == m_function;
    }

private:
    Function m_function;
};

template <class Object, class Declaring>
CDelegate<Object, Declaring> MakeDelegate(Object* object, bool (Declaring::*function)(void*)) {
    return CDelegate<Object, Declaring>(object, function);
}

inline CFunctionDelegate MakeDelegate(bool (*function)(void*)) {
    return CFunctionDelegate(function);
}

// Ordered set of owned delegate copies. There is no removal: a control's
// hooks live as long as the control.
class CDelegateList {
public:
    CDelegateList() = default;
    CDelegateList(const CDelegateList&) = delete;
    CDelegateList& operator=(const CDelegateList&) = delete;
    ~CDelegateList() {
        for (int index = 0; index < m_delegates.GetSize(); ++index) {
            delete static_cast<CDelegateBase*>(m_delegates[index]);
        }
    }

    // Stores a copy unless an equal delegate is listed already.
    void Add(const CDelegateBase& delegate) {
        for (int index = 0; index < m_delegates.GetSize(); ++index) {
            if (static_cast<CDelegateBase*>(m_delegates[index])->Equals(delegate)) {
                return;
            }
        }
        CDelegateBase* copy = delegate.Copy();
        if (!m_delegates.Add(copy)) {
            delete copy;
        }
    }
    CDelegateList& operator+=(const CDelegateBase& delegate) {
        Add(delegate);
        return *this;
    }

    bool IsEmpty() const { return m_delegates.IsEmpty(); }
    int GetCount() const { return m_delegates.GetSize(); }

    // Invokes the delegates in order; false as soon as one answers false.
    // Delegates added meanwhile are invoked too (the array is read afresh).
    bool operator()(void* param) const {
        for (int index = 0; index < m_delegates.GetSize(); ++index) {
            if (!static_cast<CDelegateBase*>(m_delegates[index])->Invoke(param)) {
                return false;
            }
        }
        return true;
    }

private:
    CPtrArray m_delegates;
};

}  // namespace SkinUI

// A VARIANT that clears itself.
#pragma once
#include <windows.h>
#include <oleauto.h>

namespace orv {

class ScopedVariant {
 public:
  ScopedVariant() noexcept { ::VariantInit(&value_); }
  ~ScopedVariant() { ::VariantClear(&value_); }
  ScopedVariant(const ScopedVariant&) = delete;
  ScopedVariant& operator=(const ScopedVariant&) = delete;
  VARIANT* get() noexcept { return &value_; }
  const VARIANT& value() const noexcept { return value_; }

 private:
  VARIANT value_;
};

}  // namespace orv

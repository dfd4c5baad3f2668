#pragma once
// TPersistent: an object that can copy itself from another (Assign) and
// stream properties that are not published (DefineProperties).
#include "vcl/rtl/System.h"

class TFiler;

class TPersistent : public TObject {
  VCL_CLASS(TPersistent, TObject)
public:
  TPersistent() = default;
  // Copies Source into this object. The base asks Source to copy itself
  // into this one (AssignTo); when neither side knows the other, raises
  // EConvertError "Cannot assign a <source class> to a <this class>".
  virtual void Assign(TPersistent* Source);
  // The object's path for messages and the designer ("Form1.Button1.Font").
  virtual String GetNamePath() const;

protected:
  virtual void AssignTo(TPersistent* Dest);
  // Declares values that are streamed without being published properties.
  virtual void DefineProperties(TFiler* Filer) {}
  // The object that owns this one for naming (a collection, a component).
  virtual TPersistent* GetOwner() const { return nullptr; }
  [[noreturn]] void AssignError(const TPersistent* Source) const;

  friend class TFiler;
  friend class TWriter;
  friend class TReader;
};

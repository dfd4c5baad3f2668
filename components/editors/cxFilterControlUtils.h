#pragma once
// The filter edit helpers: for each kind of editor properties, how a filter
// row's editor is made, prepared and read, and which operators it offers;
// and the registry that finds a helper by properties class.
#include "components/core/cxClasses.h"
#include "components/editors/cxEdit.h"

enum class TcxFilterControlOperator {
  fcoNone, fcoEqual, fcoNotEqual, fcoLess, fcoLessEqual, fcoGreater, fcoGreaterEqual, fcoLike, fcoNotLike, fcoBlanks,
  fcoNonBlanks, fcoBetween, fcoNotBetween, fcoInList, fcoNotInList, fcoYesterday, fcoToday, fcoTomorrow,
  fcoLast7Days, fcoLastWeek, fcoLast14Days, fcoLastTwoWeeks, fcoLast30Days, fcoLastMonth, fcoLastYear, fcoInPast,
  fcoThisWeek, fcoThisMonth, fcoThisYear, fcoNext7Days, fcoNextWeek, fcoNext14Days, fcoNextTwoWeeks,
  fcoNext30Days, fcoNextMonth, fcoNextYear, fcoInFuture
};
using enum TcxFilterControlOperator;
using TcxFilterControlOperators = TSet<TcxFilterControlOperator>;

// A value type's answers a helper needs: whether it holds texts, and
// whether a value suits it.
class IcxFilterValueType {
public:
  virtual bool IsString() const = 0;
  virtual bool IsValueValid(Variant& AValue) const = 0;

protected:
  ~IcxFilterValueType() = default;
};

// How a filter row edits values of one editor kind. Helpers keep no
// state: one instance per class serves everyone.
class TcxCustomFilterEditHelper : public TObject {
  VCL_CLASS(TcxCustomFilterEditHelper, TObject)
public:
  // The OnButtonClick, OnChange, OnEditValueChanged and OnValidate
  // handlers go; OnClosePopup and OnPropertiesChanged stay.
  virtual void ClearPropertiesEvents(TcxCustomEditProperties* AProperties) const;
  virtual void InitializeFilterEdit(TcxCustomEdit* AEdit, TcxCustomEditProperties* AEditProperties) const;
  virtual bool KeepsDefaultValuesProvider(TcxCustomEditProperties* AEditProperties) const { return true; }
  virtual bool EditPropertiesHasButtons() const { return false; }
  virtual TcxCustomEditClass GetFilterEditClass() const { return {}; }
  virtual void GetFilterValue(TcxCustomEdit* AEdit, TcxCustomEditProperties* AEditProperties, Variant& V,
                              String& S) const;
  virtual TcxFilterControlOperators GetSupportedFilterOperators(TcxCustomEditProperties* AProperties,
                                                                const IcxFilterValueType* AValueType,
                                                                bool AExtendedSet = false) const;
  // A filter row's editor: left-aligned, not read-only, validated on
  // Enter, without the column's events and, unless asked, its buttons.
  virtual void InitializeProperties(TcxCustomEditProperties* AProperties, TcxCustomEditProperties* AEditProperties,
                                    bool AHasButtons) const;
  virtual bool IsValueValid(const IcxFilterValueType* AValueType, Variant& AValue) const;
  virtual void SetFilterValue(TcxCustomEdit* AEdit, TcxCustomEditProperties* AEditProperties,
                              const Variant& AValue) const {}
  virtual bool UseDisplayValue() const { return false; }
  // A new editor (the caller owns it), or the list's editor for the kind.
  TcxCustomEdit* GetFilterEdit(TcxCustomEditProperties* AEditProperties,
                               TcxInplaceEditList* AInplaceEditList = nullptr) const;
};

// The operators of ordered values (numbers, dates, times): the comparisons
// and blanks, with ranges and lists in the extended set.
TcxFilterControlOperators cxOrderedValueFilterOperators(bool AExtendedSet);

// The text editor's helper, also serving the most-recently-used editor.
class TcxFilterTextEditHelper : public TcxCustomFilterEditHelper {
  VCL_CLASS(TcxFilterTextEditHelper, TcxCustomFilterEditHelper)
public:
  static const TcxFilterTextEditHelper* Instance();
  TcxCustomEditClass GetFilterEditClass() const override;
  void InitializeProperties(TcxCustomEditProperties* AProperties, TcxCustomEditProperties* AEditProperties,
                            bool AHasButtons) const override;
  void SetFilterValue(TcxCustomEdit* AEdit, TcxCustomEditProperties* AEditProperties,
                      const Variant& AValue) const override;
};

// Properties classes to helpers. A registration is kept under the class
// parent of the class given, so the helper serves every sibling and
// descendant of that parent.
class TcxFilterEditsController : public TcxRegisteredClassList {
  VCL_CLASS(TcxFilterEditsController, TcxRegisteredClassList)
public:
  void Register(TClass AItemClass, const TcxCustomFilterEditHelper* AHelper);
  void Unregister(TClass AItemClass, const TcxCustomFilterEditHelper* AHelper);
  // The helper of the nearest registered ancestor of APropertiesClass's
  // parent; null when none.
  const TcxCustomFilterEditHelper* FindHelper(TClass APropertiesClass) const;

private:
  std::vector<const TcxCustomFilterEditHelper*> FHelpers;
};

// Made on first use; freed when its last registration goes.
TcxFilterEditsController* cxFilterEditsRegistry();

#pragma once
// A small component that publishes one property of each kind the property
// table supports, a nested persistent, a collection, a component reference
// and two values of its own (DefineProperty and DefineBinaryProperty).
#include <vector>

#include "vcl/classes/Collection.h"
#include "vcl/classes/Component.h"
#include "vcl/classes/Filer.h"
#include "vcl/classes/TypInfo.h"

enum class TShade { shLight, shMedium, shDark };
using enum TShade;
extern const TTypeInfo ShadeTypeInfo;

class TPen2 : public TPersistent {
  VCL_CREATABLE_CLASS(TPen2, TPersistent)
  VCL_PUBLISHED(TPen2)
public:
  int Width = 1;
  String Style = L"solid";
  void Assign(TPersistent* Source) override;
};

class TSampleItem : public TCollectionItem {
  VCL_COLLECTION_ITEM_CLASS(TSampleItem, TCollectionItem)
  VCL_PUBLISHED(TSampleItem)
public:
  explicit TSampleItem(TCollection* ACollection);
  ~TSampleItem() override;
  String Caption;
  TComponent* Link() const { return FLink; }
  // Counts a call on an item that no longer exists (by its address only).
  void SetLink(TComponent* Value);
  void Assign(TPersistent* Source) override;
  static inline int CallsOnFreedItems = 0;

private:
  TComponent* FLink = nullptr;
};

class TSample : public TComponent {
  VCL_COMPONENT_CLASS(TSample, TComponent)
  VCL_PUBLISHED(TSample)
public:
  explicit TSample(TComponent* AOwner);
  ~TSample() override;

  const String& Text() const { return FText; }
  void SetText(const String& Value) { FText = Value; }
  int Count = 0;  // stored when not 0
  int64_t Big = 0;
  double Ratio = 0;
  TDateTime When = 0;
  bool Enabled = true;
  TShade Shade = shLight;
  TComponent* Link() const { return FLink; }
  void SetLink(TComponent* Value);
  TPen2* Pen() const { return FPen; }
  TCollection* Items() const { return FItems; }
  int Version() const { return 3; }  // read-only

  // Streamed by DefineProperties, not published.
  String Secret;
  std::vector<uint8_t> Blob;
  bool WasLoaded = false;

  void Notification(TComponent* AComponent, TOperation Operation) override;

protected:
  void DefineProperties(TFiler* Filer) override;
  void Loaded() override;

private:
  String FText;
  TComponent* FLink = nullptr;
  TPen2* FPen;
  TCollection* FItems;
};

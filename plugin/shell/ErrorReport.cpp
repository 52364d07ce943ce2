#include "ErrorReport.h"

#include <cstring>

#include "TextRoutines.h"
#include "plugin/globals/PluginGlobals.h"
#include "plugin/globals/SuiteSlots.h"
#include "plugin/resources/resource_ids.h"

namespace {

constexpr int32_t kErrorStringList = CONTOUR_ERROR_STRINGS_ID;
constexpr int32_t kErrorDialog = CONTOUR_ERROR_DIALOG_ID;
constexpr int32_t kOkItem = CONTOUR_ERROR_ITEM_OK, kMessageItem = CONTOUR_ERROR_ITEM_MESSAGE,
                  kCodeItem = CONTOUR_ERROR_ITEM_CODE;

// The data the error dialog shows.
struct ErrorTextRecord {
  char message[256];
  char code[16];
};

bool readEntry(int16_t index, char* buffer, int32_t maxLength) {
  buffer[0] = '\0';
  return sADMBasic->getIndexString(gPluginRef, kErrorStringList, index, buffer, maxLength) == kNoErr;
}

// The code a text of the list stands for: a decimal number or four characters.
ASErr codeOfText(char* text) {
  bool isNumber = text[0] == '-' || (text[0] >= '0' && text[0] <= '9');
  toLengthPrefixed(text);
  if (isNumber) {
    AIReal value = 0;
    sAIUser->textToNumber(reinterpret_cast<const unsigned char*>(text), &value);
    // Truncated toward zero and taken as a 16-bit number, as the list's codes are.
    return static_cast<int16_t>(static_cast<int32_t>(value));
  }
  auto byte = [&](int i) { return static_cast<uint32_t>(static_cast<unsigned char>(text[1 + i])); };
  return static_cast<ASErr>(byte(0) << 24 | byte(1) << 16 | byte(2) << 8 | byte(3));
}

void makeCodeText(ASErr code, char* text) {
  uint32_t upper = static_cast<uint32_t>(code) >> 16;
  if (upper == 0 || upper == 0xFFFF) {
    unsigned char number[256] = {0};
    sAIUser->numberToText(static_cast<AIReal>(code), 0, number);
    std::size_t length = number[0] < 15 ? number[0] : 15;
    std::memcpy(text, number + 1, length);
    text[length] = '\0';
    return;
  }
  auto value = static_cast<uint32_t>(code);
  text[0] = 4;
  for (int i = 0; i < 4; ++i) text[1 + i] = static_cast<char>((value >> (24 - 8 * i)) & 0xFF);
  toZeroTerminated(text);
}

void closeOnly(ADMItemRef item, ADMNotifierRef notifier) { sADMItem->defaultNotify(item, notifier); }

ASErr errorDialogInit(ADMDialogRef dialog) {
  ADMItemRef item = nullptr;
  sADMDialog->getItem(dialog, kOkItem, &item);
  sADMItem->setNotifyProc(item, closeOnly);
  ADMUserData data = nullptr;
  sADMDialog->getUserData(dialog, &data);
  auto* record = static_cast<ErrorTextRecord*>(data);
  sADMDialog->getItem(dialog, kMessageItem, &item);
  sADMItem->setText(item, record->message);
  sADMDialog->getItem(dialog, kCodeItem, &item);
  sADMItem->setText(item, record->code);
  return kNoErr;
}

}  // namespace

void reportError(ASErr code) {
  if (code == kNoErr || code == kUserCanceledErr) return;
  if (sADMBasic == nullptr || sADMDialog == nullptr || sADMItem == nullptr) return;

  char text[256];
  int16_t index = 1;
  bool found = false;
  while (readEntry(index, text, 255) && text[0] != '\0') {
    if (codeOfText(text) == code) {
      found = true;
      break;
    }
    index = static_cast<int16_t>(index + 2);
  }
  // A code the list does not hold gets the message of its last pair, "<Others>".
  int16_t messageIndex = static_cast<int16_t>(found ? index + 1 : index - 1);

  ErrorTextRecord record{};
  if (!readEntry(messageIndex, record.message, 256)) return;
  makeCodeText(code, record.code);

  int32_t itemHit = 0;
  sADMDialog->modal(gPluginRef, "Error Dialog", kErrorDialog, 0, errorDialogInit, &record, &itemHit);
}

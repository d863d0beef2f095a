/* Records exchanged with the host runtime library (tarvo.dll) and the runtime tasks.
   Plain C layout, shared by every module and by every process of a running project. */
#pragma once
#include <windows.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Tag reference: what DBGetVar fills for a tag name and the value calls take.
   Callers zero it before DBGetVar. */
#define TAGREF_INDIRECT 0x100u /* the name was written with the "@" indirection prefix */
typedef struct TAGREF {
  int32_t nTag;      /* tag number in the project's tag database, from 1 (the number
                        DBGetTagName and the other by-number calls take); 0: no tag */
  int32_t nIndex;    /* constant array index (when nIndexTag is 0) */
  int32_t nIndexTag; /* > 0: the index is the value of the tag of that number */
  int32_t nMember;   /* class member number from 1, 0 for none */
  int32_t nField;    /* field number 1 to 61 ("->Field"), 0 for none */
  uint32_t dwFlags;  /* TAGREF_INDIRECT, ... */
  int32_t reserved[2];
} TAGREF;

/* Host message record: queued to a runtime task, taken with UNGetMessage. */
typedef struct HOSTMSG {
  int32_t nTaskId;  /* receiving task */
  UINT uCode;       /* message code */
  WPARAM wParam;    /* word parameter */
  LPARAM lParam;    /* long parameter */
  int32_t nExtra;   /* caller's value (UNMakeMessage's sixth argument) */
  HWND hWnd;        /* window told that messages wait */
} HOSTMSG;

/* Thread information record of the runtime task interface: the task name, then two
   signed 32-bit integers. */
typedef struct TARVOTHREADINFO {
  wchar_t szName[64];
  int32_t nValue1;
  int32_t nValue2;
} TARVOTHREADINFO;

/* Descriptor filled by UNFindVar: the first 32-bit word holds the flags, its low two
   bits the type code; bit 0x80000 marks a tag that cannot be used. */
#define TAGDESC_TYPE_MASK 0x3u
#define TAGDESC_UNUSABLE 0x80000u
#define TAGDESC_TREND 0x20u
typedef struct TAGDESC {
  uint32_t dwFlags;
  int32_t nType;        /* full type code: 0 boolean, 1 integer, 2 real, 3 string, 4+ class */
  int32_t nArraySize;   /* 0 for a scalar */
  uint32_t dwAlarmFlags; /* alarm definition bits (0x100: alarm defined) */
  int32_t reserved[4];
} TAGDESC;

#ifdef __cplusplus
}
#endif

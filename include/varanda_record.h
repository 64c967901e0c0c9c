/* The terminal's 50-byte offline configuration record, byte by byte: what
 * GetBufferConfigDLL hands out of the SDK's copy, what ReceberBufferConfig
 * reads from a terminal, and what EnviarConfiguracoes sends. A field is one
 * byte unless said otherwise; bytes 21 and 22 are reserved. */
#ifndef VARANDA_RECORD_H
#define VARANDA_RECORD_H

enum VarandaConfigRecord {
    VARANDA_CFG_MODE = 0, /* 0 offline, 1 online */
    VARANDA_CFG_KEYPAD = 1,
    VARANDA_CFG_RELAY1_MODE = 2,
    VARANDA_CFG_RELAY2_MODE = 3,
    VARANDA_CFG_RELAY1_TIME = 4,
    VARANDA_CFG_RELAY2_TIME = 5,
    VARANDA_CFG_READER_TYPE = 6,
    VARANDA_CFG_READER1_FUNCTION = 7,
    VARANDA_CFG_READER2_FUNCTION = 8,
    VARANDA_CFG_COMPANY_CODE = 9, /* 2 bytes, low byte first; 0xFFFF until set */
    VARANDA_CFG_ACCESS_LEVEL = 11,
    VARANDA_CFG_ACCESS_PASSWORD = 12,
    VARANDA_CFG_ACCESS_LIST_TYPE = 13,
    VARANDA_CFG_CARD_DIGITS = 14, /* the card digit count */
    VARANDA_CFG_MEMORY_FULL_WARNING = 15,
    VARANDA_CFG_INSPECTION_PERCENT = 16,
    VARANDA_CFG_DENIED_ACCESS_LOG = 17,
    VARANDA_CFG_MASTER_CARD_RELEASE = 18,
    VARANDA_CFG_RELAY_LOGIC = 19,
    VARANDA_CFG_MICRO_SWITCH_LOCK_OFF = 20,
    VARANDA_CFG_SECOND_KEYPAD_OPTION = 23,
    VARANDA_CFG_PROXIMITY_DEFAULT = 24,
    VARANDA_CFG_MASTER_CARD = 25, /* VARANDA_CFG_MASTER_CARD_SIZE bytes of packed BCD, right-aligned */
    VARANDA_CFG_PICTOGRAM_FORMS = 32,
    VARANDA_CFG_TURNSTILE_BEEP_OFF = 33,
    VARANDA_CFG_SENSOR_EVENT = 34, /* sensors 1 to 3, a byte each */
    VARANDA_CFG_SENSOR_TIME = 37,  /* sensors 1 to 3, a byte each */
    VARANDA_CFG_BIO_ENROLMENT = 40,
    VARANDA_CFG_ONLINE_DATE_TIME = 41,
    VARANDA_CFG_CARD_LENGTHS = 42, /* 2 bytes: a mask of card lengths 1 to 16, high byte first */
    VARANDA_CFG_WIEGAND_TWO_READERS = 44,
    VARANDA_CFG_BIO_SENSOR_DEFAULT = 45,
    VARANDA_CFG_SENSOR1_FUNCTION = 46,
    VARANDA_CFG_ENCRYPTION = 47,
    VARANDA_CFG_INDEX_SEARCH = 48,
    VARANDA_CFG_BIO_VARIABLE = 49,

    VARANDA_CFG_MASTER_CARD_SIZE = 7,
    VARANDA_CFG_SIZE = 50 /* the whole record */
};

#endif /* VARANDA_RECORD_H */

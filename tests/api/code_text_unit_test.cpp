// varanda_code_text: a text for every byte value, the general codes by name,
// 128 + k as "argument k out of range". varanda_code_text_for: every code an
// operation declares has its declared meaning; other codes, and operations it
// does not know, the general text.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "declared_codes.h"
#include "varanda.h"
#include "varanda_codes.h"

TEST(CodeText, EveryByteHasItsText) {
    const std::set<int> general = {VARANDA_OK, VARANDA_FAILED, VARANDA_PORT_NOT_OPEN, VARANDA_PORT_ALREADY_OPEN,
                                   VARANDA_SERIAL_LIB_MISSING, VARANDA_TCP_LIB_MISSING, VARANDA_TCP_COM_MISSING,
                                   VARANDA_NOT_A_MODEM, VARANDA_INTERNAL_ERROR, VARANDA_BAD_CONNECTION_TYPE,
                                   VARANDA_SERIAL_COM_MISSING};
    std::set<std::string> general_texts;
    for (int code = 0; code < 256; ++code) {
        const char* text = varanda_code_text(static_cast<uint8_t>(code));
        ASSERT_NE(text, nullptr) << code;
        ASSERT_NE(*text, '\0') << code;
        if (code >= 128) {
            EXPECT_EQ(text, "argument " + std::to_string(code - 128) + " out of range") << code;
        } else if (general.count(code)) {
            general_texts.insert(text);
        } else {
            EXPECT_STREQ(text, "unknown code") << code;
        }
    }
    EXPECT_EQ(general_texts.size(), general.size());  // no two general codes share a text
    EXPECT_STREQ(varanda_code_text(VARANDA_OK), "success");
    EXPECT_STREQ(varanda_code_text(VARANDA_BAD_ARGUMENT(3)), "argument 3 out of range");
}

TEST(CodeText, EachOperationNamesItsOwnMeanings) {
    std::set<std::string> operations;
    for (const DeclaredCode& d : kDeclaredCodes) {
        const char* text = varanda_code_text_for(d.operation, d.code);
        EXPECT_EQ(std::strncmp(text, d.meaning, std::strlen(d.meaning)), 0) << d.operation << " " << int{d.code};
        operations.insert(d.operation);
    }
    EXPECT_GT(operations.size(), 60u);
    const struct {
        const char* operation;
        uint8_t code;
        const char* text;
    } cases[] = {
        {"EnviarRelogio", 133, "year out of range (0..99)"},
        {"ApagarListaAcesso", 128, "second block failed"},  // codes as EnviarListaAcesso
        {"EnviarRelogio", 1, "no answer or not the expected answer"},
        {"Ping", 128, "argument 0 out of range"},
        {"NoSuchOperation", 133, "argument 5 out of range"},
        {nullptr, 2, "port not open"},
    };
    for (const auto& c : cases) EXPECT_STREQ(varanda_code_text_for(c.operation, c.code), c.text) << c.operation;
}

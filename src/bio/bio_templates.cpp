// Templates from the reader and comparison with the reader.
#include <cstring>

#include "api/facade.h"
#include "bio/bio_exchange.h"
#include "varanda_ops.h"

namespace varanda::op {

namespace {
constexpr uint8_t kSubCompareAnswer = 0;
constexpr uint8_t kSubTemplate = 33;
constexpr int32_t kTemplateCommand = 223;
constexpr int32_t kCompareCommand = 123;
constexpr int32_t kTemplateSize = 404;

ReturnCode receive_template(ApiFacade& f, int32_t terminal, uint8_t* out) {
    uint8_t work[kTemplateSize] = {};
    const ReturnCode r = f.connection().ReceiveData(terminal, work, kTemplateCommand, kTemplateSize);
    if (r == rc::kOk) std::memcpy(out, work, kTemplateSize);
    return r;
}
}  // namespace

uint8_t SolicitarTemplateLeitor(ApiFacade& f, int32_t terminal) {
    return send_bio_request(f, terminal, bio_request(kSubTemplate));
}

uint8_t ReceberTemplateLeitor(ApiFacade& f, int32_t terminal, uint8_t online, uint8_t* template_) {
    if (template_ == nullptr) return rc::bad_arg(2);
    BioMessage answer{};
    ReturnCode r = bio_answer(f, terminal, online, kSubTemplate, answer);
    if (r == rc::kOk) r = receive_template(f, terminal, template_);
    return r == rc::kFailed ? 128 : r;
}

uint8_t ReceberTemplateCapturadoCorvo(ApiFacade& f, int32_t terminal, uint8_t* template_) {
    if (template_ == nullptr) return rc::bad_arg(1);
    return receive_template(f, terminal, template_);
}

uint8_t CompararDigitalLeitor(ApiFacade& f, int32_t terminal, uint8_t* template_) {
    if (template_ == nullptr) return rc::bad_arg(1);
    return f.connection().SendCommand(terminal, template_, kCompareCommand, kTemplateSize);
}

uint8_t ResultadoComparacaoDigitalLeitor(ApiFacade& f, int32_t terminal, uint8_t online) {
    BioMessage answer{};
    return bio_answer(f, terminal, online, kSubCompareAnswer, answer);
}

}  // namespace varanda::op

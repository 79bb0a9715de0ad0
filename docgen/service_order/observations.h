// The long texts only the Word variant types before any placeholder row is applied: the
// closing and monitoring observations, and the order's observations with their marked spans
// masked (vObserva).
#pragma once

#include <vector>

#include "core/text.h"
#include "docgen/frame/pipeline.h"
#include "platform/db/db.h"

namespace orvane::docgen::service_order {

// DocWordSubstObservacoes: "OSs.ObservaçõesFechamento" (the order's ObservaçõesFechamento),
// "Cli.ObservaçãoSigma" (the customer's ObservaçãoSIGMA), "Cli.SigmaLocalizaPainel" and
// "vSigmaLocalizaPainel" (the customer's SigmaLocalizaPainel), each typed whole at its first
// occurrence; a Null value is typed as a single blank.
std::vector<LongText> DocWordSubstObservacoes(const db::Recordset& order,
                                              const db::Recordset& customer);

// The observations with every "[#...#]" span masked by as many "*": while the text holds a
// "[#" and its first "#]" stands after its first "[#", the characters from that "[#" up to
// and including that "#]" become asterisks and the search starts again. It stops at the
// first text with no "#]", or with a "#]" before the first "[#" (spans after it stay).
Text mask_marked_spans(TextView observacoes);

// "vObserva" and "OS.Observações", both with the masked observations (Null as "").
std::vector<LongText> masked_observations(const db::Recordset& order);

}  // namespace orvane::docgen::service_order

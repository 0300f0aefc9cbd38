#pragma once
// The certificate authority a school's line may carry, so that a trainer checks that the server
// it reaches is the school's (sslmode=verify-full). libpq reads an authority only from a file,
// so the line carries it as a setting of its own, `ca=`, the certificates' base64 bodies joined
// by dots, which the trainer takes out before libpq reads the line.

#include <string>

// `line` without its `ca=` setting.
std::string withoutAuthority(const std::string& line);

// The value of the line's `ca=` setting; empty when it has none.
std::string authorityOf(const std::string& line);

// The certificates of a `ca=` value as a PEM file holds them.
std::string authorityPem(const std::string& value);

// The `ca=` value of the certificates in the PEM text `pem`; empty when it holds none.
std::string authorityValue(const std::string& pem);

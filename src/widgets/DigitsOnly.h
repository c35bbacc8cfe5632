#pragma once

class QLineEdit;

// The edit takes the digits 0-9 only, typed or pasted.
void digitsOnly(QLineEdit* edit);

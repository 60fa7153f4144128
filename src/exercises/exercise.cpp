#include "exercises/exercise.h"

#include "app/random.h"
#include "exercises/numbers.h"

namespace {

// The value of the lowest `count` digits of a row (units first).
int valueOf(const std::array<int, 3> &digits, int count) { return numberOf({digits.rend() - count, digits.rend()}); }

int digitCount(int v) { return v < 10 ? 1 : v < 100 ? 2 : v < 1000 ? 3 : 4; }

} // namespace

Exercise Exercise::Draw(Op op, int digits, int table)
{
    using Random::Digit;
    Exercise e;
    e.Operation = op;
    for (int i = 0; i < 3; ++i)
        e.TopShown[i] = i < digits;
    e.BottomShown = e.TopShown;
    if (op == Op::Multiplication)
        e.BottomShown = {true, false, false};

    // Every digit shown is 0..9 but the highest of each row, 1..9.
    e.Top[0] = Digit(10);
    e.Bottom[0] = Digit(10);
    for (int i = 1; i <= 2; ++i) {
        for (auto [row, shown] : {std::pair{&e.Top, &e.TopShown}, std::pair{&e.Bottom, &e.BottomShown}}) {
            if ((*shown)[i])
                (*row)[i] = Digit(10);
            else
                (*row)[i - 1] = Digit(9, 1);
        }
    }
    e.Top[2] = Digit(9, 1);
    e.Bottom[2] = Digit(9, 1);

    if (op == Op::Division) {
        e.Divisor = Digit(8, 2);
        const int quotient = Digit(8, 2);
        e.Dividend = quotient * e.Divisor;
        e.ExpectedResult = quotient;
        e.Bottom = {e.Divisor, e.Dividend % 10, e.Dividend / 10};
        e.TopShown = {false, false, false};
        e.BottomShown = {true, true, e.Bottom[2] != 0};
        e.SetAnswerDigits();
        return e;
    }
    if (op == Op::Subtraction) {
        // The leading digit of the first operand is 7..9 and beats the second's.
        const int lead = digits - 1;
        const int m = Digit(3, 7);
        e.Top[lead] = m;
        if (lead == 0) {
            e.Bottom[0] = Digit(m, 1);
        } else {
            int d = 0;
            do
                d = Digit(m);
            while (d == 0);
            e.Bottom[lead] = d;
        }
    } else if (op == Op::Multiplication) {
        e.Bottom[0] = table == AnyTable ? Digit(8, 2) : table;
    }
    e.OperandA = valueOf(e.Top, digits);
    e.OperandB = op == Op::Multiplication ? e.Bottom[0] : valueOf(e.Bottom, digits);
    e.ExpectedResult = op == Op::Addition ? e.OperandA + e.OperandB
                       : op == Op::Subtraction ? e.OperandA - e.OperandB
                                               : e.OperandA * e.OperandB;
    e.AnswerDigits = digitCount(e.ExpectedResult);
    e.SetAnswerDigits();
    return e;
}

Exercise Exercise::Of(Op op, int a, int b)
{
    Exercise e;
    e.Operation = op;
    auto spread = [](int v, std::array<int, 3> &row) {
        for (int &d : row) {
            d = v % 10;
            v /= 10;
        }
    };
    if (op == Op::Division) {
        e.Dividend = a;
        e.Divisor = b;
        e.ExpectedResult = a / b;
        e.Bottom = {b, a % 10, a / 10};
        e.BottomShown = {true, true, a >= 10};
        e.SetAnswerDigits();
        return e;
    }
    e.OperandA = a;
    e.OperandB = b;
    spread(a, e.Top);
    spread(b, e.Bottom);
    for (int i = 0; i < 3; ++i)
        e.TopShown[i] = i < digitCount(a);
    e.BottomShown = op == Op::Multiplication ? std::array<bool, 3>{true, false, false} : e.TopShown;
    e.ExpectedResult = op == Op::Addition ? a + b : op == Op::Subtraction ? a - b : a * b;
    e.AnswerDigits = digitCount(e.ExpectedResult);
    e.SetAnswerDigits();
    return e;
}

void Exercise::SetAnswerDigits()
{
    const std::vector<int> digits = digitsOf(ExpectedResult, AnswerDigits);
    for (int i = 0; i < int(Answer.size()); ++i) {
        Answer[i].right = i < AnswerDigits ? digits[digits.size() - 1 - i] : 0;
        Answer[i].inUse = i < AnswerDigits;
    }
}

Exercise::Judgement Exercise::Judge()
{
    if (!Answer[0].judged)
        for (DigitCell &c : Carry)
            c.first = c.current;
    Judgement j;
    j.right = true;
    for (int i = 0; i < AnswerDigits; ++i)
        j.right = Answer[i].judge() && j.right;
    // A right answer is right in every box.
    for (int i = 0; i < AnswerDigits; ++i) {
        if (j.right)
            Answer[i].verdict = Verdict::Right;
        j.digitRight[i] = Answer[i].verdict == Verdict::Right;
    }
    j.entered = Entered(j.right);
    checked_ = answer();
    return j;
}

Entries Exercise::answer() const
{
    Entries e;
    for (int i = 0; i < AnswerDigits; ++i)
        e.push_back(Answer[i].current);
    return e;
}

int Exercise::typed() const
{
    int v = 0;
    for (int i = AnswerDigits - 1; i >= 0; --i)
        v = 10 * v + Answer[i].value();
    return v;
}

std::optional<int> Exercise::FirstAnswer() const
{
    if (!Answer[0].judged)
        return std::nullopt;
    int v = 0;
    for (int i = AnswerDigits - 1; i >= 0; --i)
        v = 10 * v + Answer[i].first.value_or(0);
    return v;
}

QString Exercise::Statement(const QString &operationName) const
{
    if (Operation == Op::Division)
        return operationName + QStringLiteral(": ") + num(Dividend) + QStringLiteral(" / ") + num(Divisor);
    const QString sign = Operation == Op::Addition ? QStringLiteral(" + ") : Operation == Op::Subtraction ? QStringLiteral(" - ") : QStringLiteral(" X ");
    return operationName + QStringLiteral(": ") + num(OperandA) + sign + num(OperandB);
}

QString Exercise::Entered(bool right) const { return Operation == Op::Division ? Answer[0].caption() : num(right ? ExpectedResult : typed()); }

#include "record/record.h"

#include "exercises/numbers.h"

void Record::add(const Finished &finished)
{
    const int number = int(records_.size()) + 1;
    records_.push_back({finished.kind, finished.right, num(number) + QStringLiteral(". ") + finished.text, finished.exercise});
    emit added(records_.back());
}

void Record::clear() { records_.clear(); }

ExerciseKind kindOf(Op op)
{
    switch (op) {
    case Op::Division:
        return ExerciseKind::Division;
    case Op::Subtraction:
        return ExerciseKind::Subtraction;
    case Op::Multiplication:
        return ExerciseKind::Multiplication;
    case Op::Addition:
        break;
    }
    return ExerciseKind::Addition;
}
